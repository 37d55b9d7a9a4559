#!/usr/bin/env bash
# Builds one Debian package for the phone: the library and the loader's filter in FOLDER,
# described by CONTROL. The same inputs give the same bytes: owners, modes and times are
# fixed (the times at SOURCE_DATE_EPOCH, by default 0, so that they do not depend on when
# the package was last built). The package is written whole, through a temporary file
# beside it.
# Usage: package.sh LIBRARY FILTER CONTROL FOLDER OUTPUT
set -euo pipefail
library="$1" filter="$2" control="$3" folder="$4" output="$5"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-0}

stage=$(mktemp -d "$output.stage-XXXXXX")
trap 'rm -rf "$stage" "$output.tmp-$$"' EXIT
mkdir -p "$stage/DEBIAN" "$stage$folder"
install -m 0644 "$control" "$stage/DEBIAN/control"
install -m 0755 "$library" "$stage$folder/Lumivane.dylib"
install -m 0644 "$filter" "$stage$folder/Lumivane.plist"
find "$stage" -type d -exec chmod 0755 {} +
find "$stage" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +

dpkg-deb --root-owner-group -Zxz --build "$stage" "$output.tmp-$$" >/dev/null
mv -f "$output.tmp-$$" "$output"
