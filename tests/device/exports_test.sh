#!/usr/bin/env bash
# The phone's library exports exactly its C globals and isSmallDeviceSB: the names the
# startup headers mark LV_EXPORT, and nothing of libc++'s or of its own C++.
# Usage: exports_test.sh BUILD SOURCE_DIR
set -euo pipefail
. "$(dirname "$0")/artefacts.sh" "$1"
headers=("$2/src/startup/globals.h" "$2/src/startup/small_device.h")

declared=$(sed 's|//.*||' "${headers[@]}" | grep -w LV_EXPORT | grep -v '#define' |
           grep -oE '[A-Za-z_][A-Za-z0-9_]*\s*(\(|;|\[)' | grep -oE '^[A-Za-z_][A-Za-z0-9_]*' | sort)
[ "$(wc -l <<<"$declared")" -gt 10 ] || { echo "expected the globals in ${headers[*]}, found: $declared"; exit 1; }
exported=$($nm -gU --just-symbol-name "$library" | sed 's/^_//' | sort)
if [ "$exported" != "$declared" ]; then
  echo "$library exports what the headers do not declare (>) or lacks what they do (<):"
  diff <(echo "$declared") <(echo "$exported") | grep '^[<>]'
  exit 1
fi
echo "$library exports the $(wc -l <<<"$declared") names its headers declare"
