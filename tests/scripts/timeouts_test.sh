#!/usr/bin/env bash
# Every test the build registers has a timeout of its own, and none longer than LONGEST
# seconds, so that a test that hangs fails alone instead of stalling the whole run.
# Usage: timeouts_test.sh CTEST BUILD_DIR LONGEST
set -euo pipefail
listing=$("$1" --test-dir "$2" --show-only=json-v1)
count=$(jq '.tests | length' <<<"$listing")
[ "$count" -gt 0 ] || { echo "no tests registered in $2"; exit 1; }
mapfile -t offenders < <(jq -r --argjson longest "$3" '.tests[]
  | ([.properties[]? | select(.name == "TIMEOUT") | .value][0] // 0) as $timeout
  | select($timeout <= 0 or $timeout > $longest) | "\(.name): \($timeout)"' <<<"$listing")
if [ ${#offenders[@]} -gt 0 ]; then
  echo "tests without a timeout of their own (0) or with one above ${3} s:"
  printf '  %s\n' "${offenders[@]}"
  exit 1
fi
echo "$count tests, each with a timeout of at most $3 s"
