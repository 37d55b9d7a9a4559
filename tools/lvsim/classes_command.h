#pragma once
// `lvsim classes [PATTERN]`: boots the host (with no library unless --library names one)
// and lists its and the platform's classes whose names match PATTERN, sorted by name:
// superclass, ivars, declared properties and methods with their type encodings; as text,
// as JSON (--json) or as an Objective-C header (--header). No class matching is exit code 1.
#include <string>

#include "tools/lvsim/core/device_options.h"

namespace CLI {
class App;
}

namespace lv::sim {

struct ClassesOptions {
  DeviceOptions device;
  std::string pattern;
  bool json = false;
  bool header = false;
};

void addClassesCommand(CLI::App& app, ClassesOptions& options);

// Returns the process's exit code.
int runClasses(const ClassesOptions& options);

}  // namespace lv::sim
