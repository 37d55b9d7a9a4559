// Feeds arbitrary bytes to the reader of report.json that `lvsim compare` and the demo use.
// Every input is read, each snapshot's window wider than nothing, or refused with an
// InputError.
#include <cstdint>
#include <cstdlib>

#include "fuzz/scratch_file.h"
#include "tools/lvsim/core/report_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::ScratchFile scratch("report.json");
  try {
    for (const lv::sim::ReportSnapshot& snapshot : lv::sim::readReport(scratch.holding(data, size)).snapshots)
      if (!(snapshot.windowWidth > 0)) std::abort();
  } catch (const lv::sim::InputError&) {
  }
  return 0;
}
