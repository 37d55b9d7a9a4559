#pragma once
// `lvsim demo [--out DIR] [--profile NAME] [--set KEY=true|false …]`: tells the library's
// story on a lock screen with "kEnabled" stored true. A long title plays and scrolls; the
// artwork is tapped and enlarges over the blurred background; the scrubber is dragged,
// held and released; the artwork is tapped back; the title is tapped, which launches the
// playing app and asks to unlock. It prints a line per step, and writes a picture of every
// moment, DIR/contact-sheet.png with all of them captioned, and DIR/report.json as
// `lvsim run` writes it. A bad option or a folder that cannot be written is one error line
// and exit code 2.
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace lv::sim {

struct DemoOptions {
  std::string out = "out/demo";
  std::string profile = "phone";
  std::vector<std::string> settings;  // KEY=true|false, after kEnabled=true
};

void addDemoCommand(CLI::App& app, DemoOptions& options);

// Returns the process's exit code.
int runDemo(const DemoOptions& options);

}  // namespace lv::sim
