#pragma once
// `lvsim hooks`: boots the host with a profile and stored settings, loads the library, and
// prints every row of its two installation tables with whether it took effect (for another
// library, every method it changed), then the library's exported globals, then each call
// it made to MSHookMessageEx, class_addMethod or class_replaceMethod with its outcome;
// --strict fails when one of those installed nothing.
#include "tools/lvsim/core/device_options.h"

namespace CLI {
class App;
}

namespace lv::sim {

struct HooksOptions {
  DeviceOptions device;
  bool json = false;
  bool strict = false;
};

void addHooksCommand(CLI::App& app, HooksOptions& options);

// Returns the process's exit code.
int runHooks(const HooksOptions& options);

}  // namespace lv::sim
