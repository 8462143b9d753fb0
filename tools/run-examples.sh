#!/usr/bin/env bash
# Runs every example script through quorvex-host, each in a fresh home, and compares its
# transcript with the .out file beside it: one line per example, the difference under a
# failing one, and a summary. Exits 1 when any example differs.
# Usage: tools/run-examples.sh [QUORVEX_HOST]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
host=${1:-$root/build/default/host/quorvex-host}
cd "$root/examples"
total=0
failed=0
for script in *.qvx; do
  total=$((total + 1))
  name=${script%.qvx}
  if difference=$("$host" --fresh-home --check "$name.out" "$script" 2>&1); then
    printf 'ok    %s\n' "$name"
  else
    failed=$((failed + 1))
    printf 'FAIL  %s\n' "$name"
    printf '%s\n' "$difference" | sed 's/^/      /'
  fi
done
if ((failed)); then
  echo "$failed of $total examples differ from their transcripts"
  exit 1
fi
echo "all $total examples match their transcripts"
