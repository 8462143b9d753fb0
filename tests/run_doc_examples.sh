#!/usr/bin/env bash
# Runs every example of a Markdown document through quorvex-host, each in a fresh home: a
# ```qvx block is a script (words after "qvx" are options for the host), the ```out block
# after it is its transcript, and an optional ```err block is its standard error ("err exit N":
# the exit status, else 0). Messages name the script "example.qvx".
# Usage: run_doc_examples.sh QUORVEX_HOST DOCUMENT WORK_DIR
set -euo pipefail
host=$1
doc=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
awk -v dir="$work" '
  function open_block(name) { file = dir "/" n "/" name; printf "" > file; inside = 1 }
  /^```qvx/ { n++; system("mkdir -p " dir "/" n "/home"); open_block("example.qvx");
              options = $0; sub(/^```qvx */, "", options); print options > (dir "/" n "/options");
              next }
  /^```out$/ { open_block("expected.out"); next }
  /^```err/  { status = $0; sub(/^```err *(exit *)?/, "", status);
               print (status == "" ? 0 : status) > (dir "/" n "/status"); open_block("expected.err");
               next }
  /^```/ && inside { close(file); inside = 0; next }
  inside { print > file }
' "$doc"
count=0
failed=0
for example in "$work"/*/; do
  count=$((count + 1))
  read -r -a options < "$example/options" || true
  wanted=0
  [ -f "$example/status" ] && wanted=$(cat "$example/status")
  status=0
  (cd "$example" && "$host" --home home "${options[@]}" example.qvx > actual.out 2> actual.err) ||
    status=$?
  ok=1
  [ "$status" = "$wanted" ] || { echo "example $count: exit status $status, not $wanted"; ok=0; }
  diff -u "$example/expected.out" "$example/actual.out" || ok=0
  if [ -f "$example/expected.err" ]; then
    diff -u "$example/expected.err" "$example/actual.err" || ok=0
  elif [ -s "$example/actual.err" ]; then
    echo "example $count wrote to standard error:"; cat "$example/actual.err"; ok=0
  fi
  if ((!ok)); then
    failed=$((failed + 1))
    echo "example $count of $doc differs:"; cat "$example/example.qvx"
  fi
done
echo "$count examples, $failed differ"
((count > 0 && failed == 0))
