#!/usr/bin/env bash
# Runs the test binaries whose tests share one process whole, in a shuffled order, so that
# a test leaning on what another left behind fails in CI. (ctest runs each test alone.)
# Usage: scripts/run-whole.sh [build folder]  (default build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/default}"

for name in test_runtime test_platform test_marquee; do
  binary="$build/tests/$name"
  if [ ! -x "$binary" ]; then
    echo "run-whole: no $binary; build first (make test)" >&2
    exit 1
  fi
  echo "== $name"
  "$binary" --gtest_shuffle --gtest_brief=1
done
