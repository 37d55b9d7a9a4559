# Sourced by the device checks: the artefacts of `make device` in BUILD, each of which must
# exist, and the LLVM tools that read them.
# Usage (in a check): . artefacts.sh BUILD
build="$1"
library="$build/Lumivane.dylib"
rootless_package=$(ls "$build"/com.lumivane.tweak_*_iphoneos-arm64.deb 2>/dev/null || true)
rootful_package=$(ls "$build"/com.lumivane.tweak_*_iphoneos-arm.deb 2>/dev/null || true)
for artefact in "$library" "$build/Lumivane.plist" "$rootless_package" "$rootful_package"; do
  [ -f "$artefact" ] || { echo "missing artefact of make device in $build (${artefact:-a package}): run make device"; exit 1; }
done
objdump=llvm-objdump-14
nm=llvm-nm-14
