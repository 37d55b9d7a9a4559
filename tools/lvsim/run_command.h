#pragma once
// `lvsim run SCENARIO.json [--out DIR] [--png]`: boots the device the scenario names, takes
// its steps on the lock screen and writes DIR/report.json with a snapshot for every
// snapshot step, and with --png a picture of each (NN-name.png, named in the snapshot's
// "picture"). Any fault in the scenario, a folder that cannot be written, or a file to
// write that is one of the run's inputs, is one error line and exit code 2, with no report.
#include <string>

#include <CLI/CLI.hpp>

namespace lv::sim {

struct RunOptions {
  std::string scenario;
  std::string out = ".";
  bool png = false;
};

void addRunCommand(CLI::App& app, RunOptions& options);

// Returns the process's exit code.
int runScenario(const RunOptions& options);

}  // namespace lv::sim
