#!/usr/bin/env bash
# The phone's packages: rootless (iphoneos-arm64, under /var/jb) and rootful (iphoneos-arm,
# under /), each with the control fields a package manager needs, the project's version,
# the dependencies on a hooking library and on Cephei, and exactly the built library and
# filter, owned by root.
# Usage: package_test.sh BUILD SOURCE_DIR
set -euo pipefail
. "$(dirname "$0")/artefacts.sh" "$1"
version=$(sed -nE 's/^project\(Lumivane VERSION ([0-9.]+).*/\1/p' "$2/CMakeLists.txt")
failures=0

# package | architecture | folder of the library and its filter
packages=(
  "$rootless_package|iphoneos-arm64|/var/jb/Library/MobileSubstrate/DynamicLibraries"
  "$rootful_package|iphoneos-arm|/Library/MobileSubstrate/DynamicLibraries"
)
for row in "${packages[@]}"; do
  IFS='|' read -r package architecture folder <<<"$row"
  fail() { echo "$package: $*"; failures=$((failures + 1)); }
  expected="Package: com.lumivane.tweak
Name: Lumivane
Version: $version
Architecture: $architecture
Section: Tweaks"
  fields=$(dpkg-deb -f "$package" Package Name Version Architecture Section)
  [ "$fields" = "$expected" ] || fail "control fields $(tr '\n' ';' <<<"$fields")"
  depends=$(dpkg-deb -f "$package" Depends)
  for needed in mobilesubstrate ws.hbang.common; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "does not depend on $needed: $depends"
  done
  for field in Maintainer Description; do
    [ -n "$(dpkg-deb -f "$package" "$field")" ] || fail "has no $field"
  done

  files=$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ || $2 != "root/root" { print $1, $2, $6 }')
  [ "$files" = "-rwxr-xr-x root/root .$folder/Lumivane.dylib
-rw-r--r-- root/root .$folder/Lumivane.plist" ] || fail "holds $(tr '\n' ';' <<<"$files")"
  for file in Lumivane.dylib Lumivane.plist; do
    dpkg-deb --fsys-tarfile "$package" | tar -xO ".$folder/$file" | cmp -s - "$1/$file" ||
      fail "$file is not the one in $1"
  done
done
[ "$failures" -eq 0 ] || exit 1
echo "both packages of com.lumivane.tweak $version hold the built library and filter"
