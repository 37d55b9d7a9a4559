#pragma once
// The window of `lvsim live` (SDL2): the session's frame at a scale that fits the screen,
// redrawn only when it would look different, the clock at wall-clock pace, the mouse as
// a finger and the keys as the session's. A script's events go through SDL's own event
// queue, so they take the path a user's input takes.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <vector>

#include "tools/lvsim/core/command_files.h"
#include "tools/lvsim/core/live_script.h"
#include "tools/lvsim/core/live_session.h"
#include "tools/lvsim/core/video_option.h"

namespace lv::sim {

// There is no display to open a window on.
struct NoDisplay : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A script event that could not be carried out (its view is not shown).
struct ScriptFault : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct LiveWindowOptions {
  std::vector<ScriptEvent> script;
  std::optional<double> exitAfter;  // seconds after the start
  double resumedAt = 0;             // seconds of an earlier life before a restart
  std::filesystem::path out;        // where pictures and recordings are saved
  VideoOptions video;               // what V records
  CommandFiles files;               // what the command writes: saves and recordings take other names
};

struct LiveOutcome {
  LiveAction action = LiveAction::Quit;  // Quit or Restart
  double elapsed = 0;                    // seconds since the first start, at the end
};

// Runs until the window is closed, Q, the exit time or a restart. Throws NoDisplay,
// ScriptFault, or lv::render::PngError's message as std::runtime_error when a save fails.
LiveOutcome runLiveWindow(LiveSession& session, const LiveWindowOptions& options);

}  // namespace lv::sim
