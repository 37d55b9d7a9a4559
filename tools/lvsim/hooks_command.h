#pragma once
// `lvsim hooks`: boots the host with a profile and stored settings, loads the library, and
// prints every row of its two installation tables with whether it took effect, then the
// library's exported globals.
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace lv::sim {

struct HooksOptions {
  std::string profile = "phone";
  std::vector<std::string> settings;  // KEY=true|false
  std::vector<std::string> without;
  bool json = false;
};

void addHooksCommand(CLI::App& app, HooksOptions& options);

// Returns the process's exit code.
int runHooks(const HooksOptions& options);

}  // namespace lv::sim
