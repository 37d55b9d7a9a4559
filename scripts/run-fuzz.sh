#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan, the `fuzz` preset) and runs each
# for a bounded time from its seed corpus; any crash, leak or sanitizer report fails.
# Skipped when clang is not installed. Usage: scripts/run-fuzz.sh [seconds]  (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

if ! command -v clang++ >/dev/null; then
  echo "run-fuzz: clang++ not found, skipping"
  exit 0
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# New inputs go to a scratch corpus so that the seeds in fuzz/corpus stay as committed.
work=build/fuzz/work
mkdir -p "$work/corpus" "$work/artifacts"
build/fuzz/fuzz/fuzz_hex_color -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" "$work/corpus" fuzz/corpus
