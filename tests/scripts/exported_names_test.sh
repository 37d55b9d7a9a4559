#!/usr/bin/env bash
# The platform library exports the device's C interface under the device's own names, so a
# library built against platform/sdk finds them: every function its headers declare.
# Usage: exported_names_test.sh SDK_DIR LIBRARY
set -euo pipefail
sdk="$1"
library="$2"
mapfile -t declared < <(cat "$sdk"/*.h "$sdk"/*/*.h | grep -v "^static" | grep -oE "^[A-Za-z_][A-Za-z0-9_ *]*[ *]([A-Za-z_][A-Za-z0-9_]*)\\(" |
                        grep -oE '[A-Za-z_][A-Za-z0-9_]*\($' | tr -d '(' | sort -u)
[ ${#declared[@]} -gt 40 ] || { echo "expected the runtime's functions in $sdk, found ${#declared[@]}"; exit 1; }
exported=$(nm -D --defined-only "$library" | awk '{print $3}')
missing=()
for name in "${declared[@]}"; do
  grep -qxF "$name" <<<"$exported" || missing+=("$name")
done
[ ${#missing[@]} -eq 0 ] || { echo "$library does not export: ${missing[*]}"; exit 1; }
mangled=$(grep -cE '^_Z[0-9]+(objc|class|sel|object|method|ivar|property)_' <<<"$exported" || true)
[ "$mangled" -eq 0 ] || { echo "$library exports $mangled runtime functions with C++ names"; exit 1; }
echo "$library exports all ${#declared[@]} functions of $sdk"
