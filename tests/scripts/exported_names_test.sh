#!/usr/bin/env bash
# The platform library exports the device's C interface under the device's own names, so a
# library built against platform/sdk finds them: every function its headers declare, and
# every extern object as data.
# Usage: exported_names_test.sh SDK_DIR LIBRARY
set -euo pipefail
sdk="$1"
library="$2"
headers=$(cat "$sdk"/*.h "$sdk"/*/*.h)
mapfile -t functions < <(grep -v "^static" <<<"$headers" | grep -oE "^[A-Za-z_][A-Za-z0-9_ *]*[ *]([A-Za-z_][A-Za-z0-9_]*)\\(" |
                         grep -oE '[A-Za-z_][A-Za-z0-9_]*\($' | tr -d '(' | sort -u)
mapfile -t objects < <(grep -oE "^extern [^(]*[ *]([A-Za-z_][A-Za-z0-9_]*)(\\[[0-9]*\\])?;" <<<"$headers" |
                       sed -E 's/(\[[0-9]*\])?;$//' | grep -oE '[A-Za-z_][A-Za-z0-9_]*$' | sort -u)
[ ${#functions[@]} -gt 40 ] || { echo "expected the runtime's functions in $sdk, found ${#functions[@]}"; exit 1; }
[ ${#objects[@]} -gt 8 ] || { echo "expected the extern objects in $sdk, found ${#objects[@]}"; exit 1; }
exported=$(nm -D --defined-only "$library" | awk '{print $2, $3}')
missing=()
for name in "${functions[@]}"; do
  grep -qE "^[TWi] $name\$" <<<"$exported" || missing+=("$name")
done
for name in "${objects[@]}"; do
  grep -qE "^[BDRGSVu] $name\$" <<<"$exported" || missing+=("$name")
done
[ ${#missing[@]} -eq 0 ] || { echo "$library does not export: ${missing[*]}"; exit 1; }
mangled=$(grep -cE '^. _Z[0-9]+(objc|class|sel|object|method|ivar|property)_' <<<"$exported" || true)
[ "$mangled" -eq 0 ] || { echo "$library exports $mangled runtime functions with C++ names"; exit 1; }
echo "$library exports all ${#functions[@]} functions and ${#objects[@]} objects of $sdk"
