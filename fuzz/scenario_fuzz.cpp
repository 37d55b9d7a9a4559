// Feeds arbitrary bytes to the scenario reader of `lvsim run`. Every input is read or
// refused with an InputError; any other exception, a crash or a sanitizer report is a fault.
#include <cstdint>
#include <cstdlib>

#include "fuzz/scratch_file.h"
#include "tools/lvsim/core/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::ScratchFile scratch("scenario.json");
  try {
    lv::sim::Scenario scenario = lv::sim::readScenario(scratch.holding(data, size));
    if (scenario.steps.size() != scenario.stepPlaces.size()) std::abort();
    lv::sim::classesNamed(scenario);
  } catch (const lv::sim::InputError&) {
  }
  return 0;
}
