#!/usr/bin/env bash
# Installs the project into a prefix and moves it elsewhere; builds each example of examples/
# against the moved prefix alone, warnings as errors (find_package, and the C one by pkg-config
# too), and runs it in the installed lvsim on an installed scenario: the clock is hidden, the
# title in capitals.
# Usage: examples_test.sh CMAKE SOURCE_DIR BUILD_DIR
set -euo pipefail
cmake="$1" source_dir="$2" build_dir="$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cmake" --install "$build_dir" --prefix "$work/staged" >/dev/null
mv "$work/staged" "$work/prefix"
prefix="$work/prefix"
lvsim="$prefix/bin/lvsim"
scenario="$prefix/share/lumivane/scenarios/night-drive.json"

check_report() {  # NAME REPORT
  jq -e '[.snapshots[0].tree | .. | objects | select(.class? == "UILabel")]
         | any(.text == "9:41" and .hidden) and any(.text == "NIGHT DRIVE") and all(.text != "Night Drive")' "$2" \
    >/dev/null || { echo "$1: the clock is shown or the title is not in capitals"; exit 1; }
}

for example in c cpp; do
  "$cmake" -S "$source_dir/examples/$example" -B "$work/$example" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
    --no-warn-unused-cli "-DCMAKE_C_FLAGS=-Wall -Wextra -Werror" "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Werror" >/dev/null
  "$cmake" --build "$work/$example" >/dev/null
  library=$(find "$work/$example" -maxdepth 1 -name '*.so')
  "$lvsim" run "$scenario" --library "$library" --out "$work/$example/out" >/dev/null
  check_report "$example" "$work/$example/out/report.json"
done

export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
cc -shared -fPIC -Wall -Wextra -Werror -Wl,-z,defs "$source_dir/examples/c/quiet_clock.c" $(pkg-config --cflags --libs lumivane) \
  -o "$work/by-pkg-config.so"
hooks=$("$lvsim" hooks --json --library "$work/by-pkg-config.so")
[ "$(jq '[.rows[] | select(.installed)] | length' <<<"$hooks")" = 3 ] || { echo "pkg-config build: $hooks"; exit 1; }
# The library lvsim loads by default is the one installed with it.
loaded=$(LD_DEBUG=files "$lvsim" hooks 2>&1 >/dev/null)
grep -q "file=$prefix/lib/lumivane/liblumivane.so " <<<"$loaded" ||
  { echo "lvsim does not load the library installed with it"; exit 1; }
