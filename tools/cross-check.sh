#!/usr/bin/env bash
# Compiles framework/, masks/, widgets/ and server/ with the Windows cross compiler against the
# real SDK headers, proving they hold no operating-system code of their own.
# Usage: tools/cross-check.sh BUILD_DIR   (a configured build, for its generated headers)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
compiler=x86_64-w64-mingw32-g++-win32
command -v "$compiler" >/dev/null || compiler=x86_64-w64-mingw32-g++
status=0
count=0
for source in framework/*.cpp masks/*/*.cpp widgets/*.cpp server/*.cpp; do
  count=$((count + 1))
  if ! "$compiler" -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror -Wno-unused-parameter \
      -I. -I"$build/generated" "$source"; then
    echo "cross-check: $source does not compile for Windows" >&2
    status=1
  fi
done
echo "cross-check: $count sources compiled for Windows"
exit $status
