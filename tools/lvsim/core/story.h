#pragma once
// Tells a story on the lock screen: boots the device a scenario names, takes its steps and
// writes DIR/report.json (in the format kReportFormat names, report_json.h) with a snapshot for every
// snapshot step; optionally a picture of each snapshot beside the report, the inspector
// page, and one printed line per step. `lvsim run` and
// `lvsim demo` both tell theirs through here.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/boot_error.h"
#include "render/picture.h"
#include "tools/lvsim/core/command_files.h"
#include "tools/lvsim/core/exit_codes.h"
#include "tools/lvsim/core/scenario.h"
#include "tools/lvsim/core/video_option.h"

namespace lv::sim {

struct StoryOptions {
  std::string name;   // the report's "scenario"
  std::string where;  // what error lines name: the scenario file
  std::vector<std::filesystem::path> inputs;  // files read besides the artwork: never written over
  std::filesystem::path out;
  std::filesystem::path shownOut;  // the folder the closing line names, when not `out`
  bool pictures = false;
  bool page = false;  // report.html beside the report (inspector_page.h)
  bool narrate = false;
  bool pretty = false;  // report.json indented; compact otherwise
  // A step that cannot be taken (no such class, no visible view) is skipped with a line
  // ("skipped: ...") rather than ending the story.
  bool skipImpossible = false;
  VideoOptions video;  // a recording from the first step to the last
  // Called with each snapshot as the report has it, which it may add to, and its picture
  // (only with `pictures`).
  std::function<void(nlohmann::ordered_json& snapshot, const lv::render::Picture&)> onPicture = {};
};

// Prints the line for a boot that failed and returns the exit code: a TMPDIR that names no
// usable folder, or a library the loader refuses, is bad input.
int bootFault(const lv::host::BootError& error, const std::string& where);

// Makes `folder` if needed and checks that files can be written in it; the reason when not.
std::optional<std::string> writableFolderError(const std::filesystem::path& folder);

// The files a story reads: the options' inputs, the scenario's settings file, library and
// artwork.
std::vector<std::filesystem::path> inputsOf(const Scenario& scenario, const StoryOptions& options);

// The files the story writes into its folder: report.json, report.html and the pictures.
std::vector<std::string> storyOutputs(const Scenario& scenario, const StoryOptions& options);

// Adds what the story reads and writes, its video included, to what a command does.
void addStoryFiles(CommandFiles& files, const Scenario& scenario, const StoryOptions& options);

// Returns the process's exit code; every failure has printed its one line. The command
// has checked the story's files (addStoryFiles) with its own.
int tellStory(const Scenario& scenario, const StoryOptions& options);

// The seconds the steps move the clock: advances, and a frame for each move of a drag.
double clockSeconds(const Scenario& scenario);

// One line about a step, as the story is told: `tap MRUArtworkView`.
std::string describeStep(const Step& step);

}  // namespace lv::sim
