// Feeds arbitrary bytes to the script reader of `lvsim live --script`. Every input is read,
// its events in the order of their times, or refused with an InputError.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "fuzz/scratch_file.h"
#include "tools/lvsim/core/live_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::ScratchFile scratch("script.json");
  try {
    auto events = lv::sim::readLiveScript(scratch.holding(data, size));
    auto earlier = [](const auto& a, const auto& b) { return a.at < b.at; };
    if (!std::is_sorted(events.begin(), events.end(), earlier)) std::abort();
  } catch (const lv::sim::InputError&) {
  }
  return 0;
}
