#!/usr/bin/env bash
# Runs every benchmark of the default build once on a small input (LV_BENCH_SMOKE=1), so
# that CI sees each one still builds, runs and reports; the figures themselves come from
# full runs (build/default/bench/bench_<name> alone).
# Usage: scripts/run-benchmarks.sh [build folder]  (default build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/default}"

shopt -s nullglob
benches=("$build"/bench/bench_*)
if [ ${#benches[@]} -eq 0 ]; then
  echo "run-benchmarks: no benchmarks in $build/bench; build first (make test)" >&2
  exit 1
fi
export LV_BENCH_SMOKE=1
for bench in "${benches[@]}"; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench" --benchmark_min_time=0.05
done
