#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan, the `fuzz` preset) and runs each
# for a bounded time from its seed corpus, fuzz/corpus/<target without fuzz_>; any crash,
# leak, timeout or sanitizer report fails. Two run at a time, one a core, each for its full
# time; their output is printed in order once all have ended. Skipped when clang is not
# installed.
# Usage: scripts/run-fuzz.sh [seconds per target]  (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
targets=(hex_color scenario live_script report settings_file png_file)

if ! command -v clang++ >/dev/null; then
  echo "run-fuzz: clang++ not found, skipping"
  exit 0
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# New inputs go to a scratch corpus so that the seeds in fuzz/corpus stay as committed.
work=build/fuzz/work
fuzz() {
  local target="$1"
  mkdir -p "$work/$target/corpus" "$work/$target/artifacts"
  build/fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -keep_seed=1 -print_final_stats=1 \
    -artifact_prefix="$work/$target/artifacts/" "$work/$target/corpus" "fuzz/corpus/$target" \
    >"$work/$target/log" 2>&1
}
lane() {
  for target in "$@"; do
    fuzz "$target" || echo "$target" >>"$work/failed"
  done
}

echo "run-fuzz: ${targets[*]} for ${seconds}s each, two at a time"
mkdir -p "$work"
rm -f "$work/failed"
lane "${targets[@]:0:3}" &
lane "${targets[@]:3}"
wait
for target in "${targets[@]}"; do
  echo "== run-fuzz: $target"
  cat "$work/$target/log"
done
if [ -s "$work/failed" ]; then
  echo "run-fuzz: failed: $(tr '\n' ' ' <"$work/failed")" >&2
  exit 1
fi
