// Feeds arbitrary bytes, XML or binary property lists, to the settings file reader. It
// never throws; a refused file has no values and says why.
#include <cstdint>
#include <cstdlib>

#include "fuzz/scratch_file.h"
#include "prefs/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::ScratchFile scratch("settings.plist");
  auto read = prefs::readSettingsFile(scratch.holding(data, size));
  if (!read && read.error().reason.empty()) std::abort();
  return 0;
}
