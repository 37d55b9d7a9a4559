#pragma once
// A scenario file for `lvsim run`: the device to boot and the steps to take on its lock
// screen. Reading checks everything that can be checked before the device boots; any
// fault is a ScenarioError naming the file and the place in it.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "host/device.h"
#include "host/lock_screen.h"
#include "host/track.h"
#include "tools/lvsim/core/json_reading.h"

namespace lv::sim {

using ScenarioError = InputError;

struct PlayStep {
  lv::host::Track track;
};
struct AdvanceStep {
  double seconds;
};
struct TapPointStep {
  CGPoint point{};
};
struct TapViewStep {
  std::string className;
};
// Across the first visible view of the class `on`, from and to fractions of its width
// at its middle height; without `on`, between two points in window coordinates.
struct DragStep {
  std::string on;
  double from = 0, to = 0;
  CGPoint fromPoint{}, toPoint{};
  int steps = 10;
  bool hold = false;
};
struct ReleaseStep {};
struct SizeClassStep {
  lv::host::SizeClass sizeClass;
};
struct StopStep {};
struct SnapshotStep {
  std::string name;
};

using Step = std::variant<PlayStep, AdvanceStep, TapPointStep, TapViewStep, DragStep, ReleaseStep,
                          SizeClassStep, StopStep, SnapshotStep>;

struct Scenario {
  lv::host::BootOptions boot;
  std::filesystem::path settingsFile;  // read into boot.settings; empty: none
  std::vector<Step> steps;
  std::vector<std::string> stepPlaces;  // "steps[3]", for messages about a step
};

// The most seconds a story's advances may add up to. Every second of a playing track
// changes its texts and costs real time to run, so a story is bounded where it still runs
// in well under a few seconds.
inline constexpr double kLongestStory = 3600;

// The most snapshots a story takes: at some 21 KB a snapshot with everyday titles (the
// examples' reports), its report stays well within what lvsim compare reads back
// (json::kMaxJsonBytes); story.cpp refuses a report that still would not.
inline constexpr size_t kMostSnapshots = 400;

// Reads and checks `file`. Relative paths (artwork, library, settingsFile) are taken from
// the file's folder.
Scenario readScenario(const std::filesystem::path& file);

// The class names the steps tap or drag on, each with its step's place; checked against
// the classes that exist once the device is booted.
std::vector<std::pair<std::string, std::string>> classesNamed(const Scenario& scenario);

}  // namespace lv::sim
