// CI runs each benchmark once on a small input (LV_BENCH_SMOKE=1, set by
// scripts/run-benchmarks.sh) to see that it still builds, runs and reports; run alone, a
// benchmark measures in full.
#pragma once

#include <stdlib.h>

namespace lv::bench {

inline bool smokeRun() {
  const char* value = getenv("LV_BENCH_SMOKE");
  return value && *value && *value != '0';
}

}  // namespace lv::bench
