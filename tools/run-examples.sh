#!/usr/bin/env bash
# Runs every example script through quorvex-host, each in a fresh home, printing transcripts.
# Usage: tools/run-examples.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
host=${1:-build/default}/host/quorvex-host
for script in examples/*.qvx; do
  home=$(mktemp -d)
  echo "=== $script"
  "$host" --home "$home" "$script"
  rm -rf "$home"
done
