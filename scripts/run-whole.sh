#!/usr/bin/env bash
# Runs the test binaries whose tests share one process whole, shuffled and twice over, so
# that a test leaning on what another left behind fails in CI (ctest runs each test alone).
# The binaries of the library and the tools keep one process per test: the library's
# once-per-process state needs it. The order's seed is printed; LV_TEST_SEED replays one.
# Usage: scripts/run-whole.sh [build folder]  (default build/default; build/sanitize works)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/default}"
seed="${LV_TEST_SEED:-$((RANDOM % 99999 + 1))}"

# As ctest and the sanitize preset run the tests; harmless for other builds.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}"
export LV_SOURCE_DIR="$PWD"

for name in test_runtime test_platform test_marquee test_bridge test_render; do
  binary="$build/tests/$name"
  if [ ! -x "$binary" ]; then
    echo "run-whole: no $binary; build first (make test)" >&2
    exit 1
  fi
  echo "== $name (seed $seed)"
  "$binary" --gtest_shuffle --gtest_repeat=2 --gtest_random_seed="$seed" --gtest_brief=1
done
