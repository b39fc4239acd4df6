#!/usr/bin/env bash
# Runs a long replay session (every session script many times over, with
# Resets between them) under valgrind's memcheck: any error fails.
set -euo pipefail
exe=$1 sessions=$2
script=$(mktemp)
trap 'rm -f "$script"' EXIT
for _ in $(seq 1 300); do
  for s in "$sessions"/*.session; do
    cat "$s"
    echo "click cmdResetPartial"
  done
done > "$script"
echo "$(wc -l < "$script") lines"
valgrind --tool=memcheck --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
  --show-leak-kinds=definite,indirect -q "$exe" replay "$script" > /dev/null
