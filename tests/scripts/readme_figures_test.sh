#!/usr/bin/env bash
# The README quotes the demo's processor times as bench/demo_story.cpp records them.
# Usage: readme_figures_test.sh SOURCE_DIR
set -euo pipefail
bench="$1/bench/demo_story.cpp"
readme="$1/README.md"
mapfile -t figures < <(grep '^//   lvsim demo' "$bench" | grep -oE '[0-9]+\.[0-9]+ s')
[ ${#figures[@]} -eq 4 ] || { echo "expected four figures in $bench, found: ${figures[*]}"; exit 1; }
text=$(tr '\n' ' ' <"$readme")
for figure in "${figures[@]}"; do
  grep -qE "(^|[^0-9.])${figure//./\\.}" <<<"$text" || { echo "README.md does not quote $figure from $bench"; exit 1; }
done
echo "README.md quotes ${figures[*]}"
