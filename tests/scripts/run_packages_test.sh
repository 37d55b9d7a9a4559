#!/usr/bin/env bash
# `make run` installs only `scripts/install-deps.sh run`: the project configures for lvsim
# with none of the test stack's CMake packages, and every package that configuration finds
# comes with the run list (itself or what it pulls in).
# Usage: run_packages_test.sh SOURCE_DIR
set -euo pipefail
source_dir="$1"
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT

cmake -S "$source_dir" -B "$build" -G Ninja --no-warn-unused-cli -DLV_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DCMAKE_DISABLE_FIND_PACKAGE_valijson=ON >/dev/null
targets=$(cmake --build "$build" --target help)
grep -q '^lvsim:' <<<"$targets" || { echo "no lvsim target"; exit 1; }
if grep -E '^(test_|bench_|fuzz_)' <<<"$targets"; then
  echo "the run configuration builds tests"; exit 1
fi

found=()
while IFS= read -r modules; do
  for module in $modules; do
    found+=("$(pkg-config --variable=pcfiledir "$module")/$module.pc")
  done
done < <(sed -n 's/^__pkg_config_arguments_[A-Z0-9_]*:INTERNAL=REQUIRED;IMPORTED_TARGET;//p' \
           "$build/CMakeCache.txt" | tr ';' ' ')
while IFS= read -r path; do found+=("$path"); done < <(
  sed -n -E 's/^[A-Za-z0-9]+_DIR:PATH=(.+)$/\1/p; s/^[A-Z0-9]+_LIBRARY:FILEPATH=(.+)$/\1/p' "$build/CMakeCache.txt")

mapfile -t run_list < <("$source_dir/scripts/install-deps.sh" run --list)
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
            --no-replaces --no-enhances "${run_list[@]}" | grep -v '^ ' | sort -u)
failures=0
for path in "${found[@]}"; do
  owner=$(dpkg -S "$(realpath "$path")" | head -1 | cut -d: -f1)
  if ! grep -qx "$owner" <<<"$closure"; then
    echo "$path comes from $owner, which install-deps.sh run does not install"
    failures=$((failures + 1))
  fi
done
echo "${#found[@]} files found by the run configuration, $failures not installed by the run list"
[ "$failures" -eq 0 ]
