#pragma once
// A script for `lvsim live --script FILE`: input events at times (seconds since the lock
// screen started), fed to the window as if a user made them:
//
//   {"events": [
//     {"at": 0.5, "click": "MRUArtworkView"},
//     {"at": 2.0, "drag": {"from": {"view": "MRUNowPlayingTimeControlsView", "at": [0.2, 0.5]},
//                          "to": [250, 560], "seconds": 0.4, "hold": true}},
//     {"at": 3.0, "release": true},
//     {"at": 3.5, "key": "space"},
//     {"at": 3.8, "wheel": {"over": [200, 400], "notches": -3}},
//     {"at": 3.9, "move": "MRUArtworkView"},
//     {"at": 4.0, "save": "final.png"}
//   ]}
//
// A target is [X, Y] in the lock screen's points, a class name (the centre of its first
// visible view) or {"view": CLASS, "at": [FX, FY]} (fractions of that view's size). Keys
// are those of the window (see live_keys.h); a save names a PNG file in the output folder.
// The wheel turns over its target by whole notches, positive away from the user; a move
// takes the pointer to its target with no button down.
// Faults are InputErrors naming the place in the file.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "quartz/geometry.h"
#include "tools/lvsim/core/json_reading.h"

namespace lv::sim {

struct LiveTarget {
  std::optional<CGPoint> point;  // in points; otherwise the view's
  std::string className;
  CGPoint fraction{0.5, 0.5};
};

struct ScriptEvent {
  enum class Kind { Click, Drag, Release, Key, Save, Wheel, Move };
  double at = 0;
  Kind kind = Kind::Click;
  std::string place;        // where it is in the file, for messages
  LiveTarget from, to;      // a click's, a wheel's and a move's target is `from`
  double seconds = 0.3;     // how long a drag glides
  bool hold = false;        // the finger stays down after a drag
  int notches = 0;          // Wheel
  std::string key;          // Key
  std::string file;         // Save
};

// Events in the order of their times (equal times keep the file's order).
std::vector<ScriptEvent> readLiveScript(const std::filesystem::path& file);

}  // namespace lv::sim
