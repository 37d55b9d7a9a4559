#!/usr/bin/env bash
# The phone's library is an arm64 dylib for iOS 14, signed ad hoc (every page's hash holds),
# under the loader's install name, whose symbols bind to the library that provides them
# (two-level namespace), that finds the hooking library and Cephei under /var/jb (rootless)
# first and under / (rootful) next, and that runs exactly one initialiser at load.
# Usage: library_test.sh BUILD
set -euo pipefail
. "$(dirname "$0")/artefacts.sh" "$1"
failures=0
fail() { echo "$library: $*"; failures=$((failures + 1)); }

header=$($objdump --macho --private-header "$library" | tail -1)
read -r magic cpu _ _ filetype _ _ flags <<<"$header"
[ "$magic $cpu $filetype" = "MH_MAGIC_64 ARM64 DYLIB" ] || fail "not a 64-bit arm64 dylib: $header"
grep -qw TWOLEVEL <<<"$flags" || fail "not bound by two-level namespace: $flags"

commands=$($objdump --macho --private-headers "$library")
build_version=$(grep -A4 'cmd LC_BUILD_VERSION' <<<"$commands" | tr -s ' \n' ' ')
grep -q 'platform ios .*minos 14\.0 ' <<<"$build_version" || fail "not built for iOS 14.0: $build_version"
signature=$(python3 "$(dirname "$0")/code_signature.py" "$library" 2>&1) || fail "signature: $signature"
install_name=$($objdump --macho --dylib-id "$library" | tail -1)
[ "$install_name" = /Library/MobileSubstrate/DynamicLibraries/Lumivane.dylib ] || fail "install name $install_name"
rpaths=$(grep -A2 'cmd LC_RPATH' <<<"$commands" | sed -n 's/^ *path \(.*\) (offset [0-9]*)$/\1/p' | tr '\n' ' ')
[ "$rpaths" = "/var/jb/Library/Frameworks /Library/Frameworks " ] || fail "run paths $rpaths"

# Initialisers are pointers in __mod_init_func, or 32-bit offsets in __init_offsets.
initialisers=0
while read -r _ section size _; do
  case "$section" in
    __mod_init_func) initialisers=$((initialisers + 0x$size / 8)) ;;
    __init_offsets) initialisers=$((initialisers + 0x$size / 4)) ;;
  esac
done < <($objdump --macho --section-headers "$library")
[ "$initialisers" -eq 1 ] || fail "runs $initialisers initialisers at load, not one"

[ "$failures" -eq 0 ] || exit 1
echo "$library: arm64 iOS 14.0 dylib, signed, $install_name, one initialiser"
