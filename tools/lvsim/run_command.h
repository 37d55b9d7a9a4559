#pragma once
// `lvsim run SCENARIO.json [--out DIR] [--png] [device options]`: boots the device the
// scenario names (the options override it), takes
// its steps on the lock screen and writes DIR/report.json with a snapshot for every
// snapshot step, and with --png a picture of each (NN-name.png, named in the snapshot's
// "picture"); with --html also report.html, the inspector page (inspector_page.h), and
// the pictures it shows; with --trace, the message trace (trace_option.h). Any fault in the scenario,
// a folder that cannot be written, or a file to write that falls on one of the run's inputs
// or outputs or on a stream (command_files.h), is one error line and exit code 2, with no report.
// With --expect DIR the output is then compared with the references in DIR, and the exit
// code is the comparison's (compare_command.h); --record DIR writes the references into DIR
// in place of --out (reference_recording.h), and refuses a video or trace inside DIR.
// With --each, the story is told once per combination instead (run_matrix.h).
#include <string>
#include <vector>

#include "tools/lvsim/compare_command.h"
#include "tools/lvsim/core/device_options.h"
#include "tools/lvsim/core/trace_option.h"
#include "tools/lvsim/core/video_option.h"
#include "tools/lvsim/relaunch.h"

namespace CLI {
class App;
}

namespace lv::sim {

struct RunOptions {
  std::string scenario;
  std::string out = ".";
  bool png = false;
  bool html = false;  // the inspector page, report.html, with the pictures it shows
  bool pretty = false;
  DeviceOptions device;  // over what the scenario names
  TraceOptions trace;
  CompareOptions expect;  // `expected` empty: no comparison
  std::string record;
  VideoOptions video;
  std::vector<std::string> each;  // profile, setting=KEY
  unsigned jobs = 0;              // 0: one per processor
  CommandLine given;
};

void addRunCommand(CLI::App& app, RunOptions& options);

// Returns the process's exit code.
int runScenario(const RunOptions& options);

}  // namespace lv::sim
