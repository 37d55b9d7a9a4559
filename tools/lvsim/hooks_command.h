#pragma once
// `lvsim hooks`: boots the host with a profile and stored settings, loads the library, and
// prints every row of its two installation tables with whether it took effect (for another
// library, every method it changed), then the library's exported globals.
#include "tools/lvsim/core/device_options.h"

namespace CLI {
class App;
}

namespace lv::sim {

struct HooksOptions {
  DeviceOptions device;
  bool json = false;
};

void addHooksCommand(CLI::App& app, HooksOptions& options);

// Returns the process's exit code.
int runHooks(const HooksOptions& options);

}  // namespace lv::sim
