#pragma once
// `lvsim run SCENARIO.json [--out DIR]`: boots the device the scenario names, takes its
// steps on the lock screen and writes DIR/report.json with a snapshot for every snapshot
// step. Any fault in the scenario is one error line and exit code 2, with no report.
#include <string>

#include <CLI/CLI.hpp>

namespace lvsim {

struct RunOptions {
  std::string scenario;
  std::string out = ".";
};

void addRunCommand(CLI::App& app, RunOptions& options);

// Returns the process's exit code.
int runScenario(const RunOptions& options);

}  // namespace lvsim
