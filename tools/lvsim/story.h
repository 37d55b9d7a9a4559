#pragma once
// Tells a story on the lock screen: boots the device a scenario names, takes its steps and
// writes DIR/report.json with a snapshot for every snapshot step; optionally a picture of
// each snapshot beside the report and one printed line per step. `lvsim run` and
// `lvsim demo` both tell theirs through here.
#include <filesystem>
#include <functional>
#include <string>

#include "render/picture.h"
#include "tools/lvsim/scenario.h"

namespace lvsim {

inline constexpr int kRunFault = 1;    // a step could not be taken, or writing failed
inline constexpr int kUsageFault = 2;  // bad options or scenario, nowhere to write

struct StoryOptions {
  std::string name;   // the report's "scenario"
  std::string where;  // what error lines name: the scenario file
  std::filesystem::path out;
  bool pictures = false;
  bool narrate = false;
  // Called with each snapshot's picture (only with `pictures`).
  std::function<void(const SnapshotStep&, const render::Picture&, const std::string& file)> onPicture = {};
};

// Prints "lvsim: WHERE: WHAT" on stderr, made printable and cut short, and returns `code`.
int fail(int code, const std::string& where, const std::string& what);

// Makes `folder` if needed and checks that files can be written in it; the reason when not.
std::optional<std::string> writableFolderError(const std::filesystem::path& folder);

// Returns the process's exit code; every failure has printed its one line.
int tellStory(const Scenario& scenario, const StoryOptions& options);

// One line about a step, as the story is told: `tap MRUArtworkView`.
std::string describeStep(const Step& step);

}  // namespace lvsim
