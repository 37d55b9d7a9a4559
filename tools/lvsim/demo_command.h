#pragma once
// `lvsim demo [--out DIR] [device options] [--before-after]`: tells the library's story on
// a lock screen with "kEnabled" stored true. A long title plays and scrolls; the artwork is
// tapped and enlarges over the blurred background; the scrubber is dragged, held and
// released; the artwork is tapped back; the title is tapped, which launches the playing app
// and asks to unlock. A step that cannot be taken (the library off, a class left out) is
// skipped with a line, and the captions say what each moment's snapshot shows. It prints a
// line per step, and writes a picture of every moment, DIR/contact-sheet.png with all of
// them captioned and a close-up of the platter under each, and DIR/report.json as
// `lvsim run` writes it; with --before-after the same story with the library off goes into
// DIR/library-off and the sheet's first row; with --html, DIR/report.html, the inspector
// page (inspector_page.h); with --trace, the message trace
// (trace_option.h). A bad option, a folder that cannot be written, or a file to write that
// falls on an input, another output or a stream (command_files.h) is one error line and
// exit code 2.
#include <string>

#include "tools/lvsim/core/device_options.h"
#include "tools/lvsim/core/trace_option.h"
#include "tools/lvsim/core/video_option.h"
#include "tools/lvsim/relaunch.h"

namespace CLI {
class App;
}

namespace lv::sim {

struct DemoOptions {
  std::string out = "out/demo";
  DeviceOptions device;  // applied after kEnabled=true
  bool beforeAfter = false;
  bool html = false;  // report.html, the inspector page
  bool pretty = false;
  TraceOptions trace;
  VideoOptions video;
  CommandLine given;  // for the story with the library off
};

void addDemoCommand(CLI::App& app, DemoOptions& options);

// Returns the process's exit code.
int runDemo(const DemoOptions& options);

}  // namespace lv::sim
