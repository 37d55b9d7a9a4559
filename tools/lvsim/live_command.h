#pragma once
// `lvsim live [--profile NAME] [--set KEY=true|false …] [--out DIR] [--script FILE]
// [--exit-after SECONDS]`: the lock screen with the library loaded, in a window. The mouse
// is a finger (a click taps, a press and drag scrubs); space plays or pauses, N plays the
// next built-in track, R turns the phone, S saves the lock screen at the device's pixels
// into DIR (default out/live), I toggles the inspector, V starts and stops a recording into
// DIR/recording-NN.mp4 at --fps and --scale (video_option.h; 1 pixel a point by default),
// L loads the library anew (a restart, for a rebuilt library), M opens the settings menu of
// what the library registered (1–9 toggle booleans, Return restarts the lock screen with
// them, as the device applies settings at load), Q or closing the window quits
// (kLiveKeysHelp). "kEnabled" is stored true unless
// --set says otherwise. With --trace, the message
// trace (trace_option.h), written at quitting; a restart starts it anew. A bad option or script,
// or no display, is one error line and exit code 2.
#include <optional>
#include <string>
#include <vector>

#include "tools/lvsim/core/device_options.h"
#include "tools/lvsim/core/trace_option.h"
#include "tools/lvsim/core/video_option.h"
#include "tools/lvsim/relaunch.h"

namespace CLI {
class App;
}

namespace lv::sim {

struct LiveCommandOptions {
  DeviceOptions device;  // applied after kEnabled=true
  std::string out = "out/live";
  std::string script;
  std::optional<double> exitAfter;
  double resumedAt = 0;  // set by a restart: the seconds already run
  TraceOptions trace;
  VideoOptions video;  // what V records
  CommandLine given;  // for a restart
};

void addLiveCommand(CLI::App& app, LiveCommandOptions& options);

// Returns the process's exit code; a restart replaces the process and does not return.
int runLive(const LiveCommandOptions& options);

}  // namespace lv::sim
