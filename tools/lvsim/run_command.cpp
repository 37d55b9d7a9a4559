#include "tools/lvsim/run_command.h"

#include <CLI/CLI.hpp>

#include "tools/lvsim/core/command_files.h"
#include "tools/lvsim/core/exit_codes.h"
#include "tools/lvsim/core/matrix_rows.h"
#include "tools/lvsim/core/parallel_children.h"
#include "tools/lvsim/core/reference_recording.h"
#include "tools/lvsim/core/scenario.h"
#include "tools/lvsim/core/story.h"
#include "tools/lvsim/run_matrix.h"
#include "tools/lvsim/shared_options.h"

void lv::sim::addRunCommand(CLI::App& app, RunOptions& options) {
  CLI::App* run = app.add_subcommand("run", "Run a scenario on the lock screen and write DIR/report.json");
  run->add_option("scenario", options.scenario, "Scenario file (JSON)")->required()->type_name("SCENARIO.json");
  CLI::Option* out =
      run->add_option("--out", options.out, "Folder for report.json (default: the current folder)")->type_name("DIR");
  run->add_flag("--png", options.png, "Also write a picture of each snapshot beside the report");
  run->add_flag("--html", options.html, "Also write report.html, a page to inspect the report and pictures in a browser");
  run->add_flag("--pretty", options.pretty, "Indent report.json for reading (compact by default)");
  addDeviceOptions(*run, options.device, "; over the scenario's");
  addTraceOptions(*run, options.trace);
  CLI::Option* expect =
      run->add_option("--expect", options.expect.expected, "Then compare the output with the references in DIR")
          ->type_name("DIR");
  run->add_option("--record", options.record, "Write the references into DIR, replacing those there, in place of --out")
      ->type_name("DIR")
      ->excludes(out)
      ->excludes(expect);
  addToleranceOptions(*run, options.expect);
  addVideoOptions(*run, options.video);
  run->add_option("--each", options.each,
                  "Tell it once per combination of every AXIS (repeatable): profile, every device profile; "
                  "setting=KEY, KEY off and on. Each into its own sub-folder of --out (and of --expect, "
                  "--record, and the folders of --trace and --video), named like phone,KEY=true; "
                  "then a table of outcomes, the exit code the worst")
      ->type_name("AXIS")
      ->check([](const std::string& axis) { return lv::sim::matrixAxisError(axis).value_or(""); });
  run->add_option("--jobs", options.jobs, "Combinations of --each told at once (default one per processor)")
      ->type_name("N")
      ->check(CLI::Range(1u, kMostChildren));
  recordCommandLine(*run, options.given);
}

namespace {

namespace fs = std::filesystem;

// Why the references to compare with cannot serve.
std::optional<std::string> referencesError(const lv::sim::RunOptions& options) {
  std::error_code error;
  if (!fs::is_directory(options.expect.expected, error)) return "no folder of references there";
  if (fs::equivalent(options.expect.expected, options.out, error)) return "the run would write over the references";
  return std::nullopt;
}

// The references read and, should the story's pictures differ from them, the marked
// pictures and the page written.
void addComparisonFiles(lv::sim::CommandFiles& files, const lv::sim::RunOptions& options,
                        const std::vector<std::string>& written) {
  const fs::path references = options.expect.expected;
  std::error_code error;
  for (const std::string& name : lv::sim::comparedFiles(references, error)) files.reads(references / name);
  lv::sim::CompareOptions compare = options.expect;
  compare.actual = options.out;
  const fs::path diff = lv::sim::diffFolder(compare);
  for (const std::string& name : written)
    if (fs::path(name).extension() == ".png") files.writes(diff / name);
  if (options.html) files.writes(diff / lv::sim::kComparePage);
}

// An output that lies in the folder --record replaces, and would go with the earlier
// references.
std::optional<std::string> recordedOutput(const lv::sim::RunOptions& options) {
  for (const std::string& file : {options.video.file, options.trace.file})
    if (!file.empty() && lv::sim::liesWithin(file, options.record)) return file;
  return std::nullopt;
}

}  // namespace

int lv::sim::runScenario(const RunOptions& options) {
  if (!options.each.empty()) return runMatrix(options);
  Scenario scenario;
  try {
    scenario = readScenario(options.scenario);
  } catch (const ScenarioError& e) {
    return fail(kUsageFault, options.scenario, e.what());
  }
  if (int code = applyDeviceOptions(options.device, scenario.boot)) return code;
  StoryOptions story;
  story.name = std::filesystem::path(options.scenario).filename().string();
  story.where = options.scenario;
  story.inputs = inputFiles(options.device);
  story.inputs.push_back(options.scenario);
  story.out = options.out;
  story.pictures = options.png || options.html;
  story.page = options.html;
  story.video = options.video;
  story.pretty = options.pretty;
  if (!options.expect.expected.empty())
    if (auto error = referencesError(options)) return fail(kUsageFault, options.expect.expected, *error);
  std::unique_ptr<ReferenceRecording> recording;
  if (!options.record.empty()) {
    if (auto output = recordedOutput(options))
      return fail(kUsageFault, *output, "lies in " + options.record + ", which --record replaces: write it elsewhere");
    auto begun = ReferenceRecording::begin(options.record, inputsOf(scenario, story));
    if (!begun) return fail(kUsageFault, options.record, begun.error());
    recording = std::move(begun.value());
    story.out = recording->folder();
    story.shownOut = options.record;
  }
  CommandFiles files;
  addStoryFiles(files, scenario, story);
  if (!options.expect.expected.empty()) addComparisonFiles(files, options, storyOutputs(scenario, story));
  files.writes(options.trace.file);
  if (auto allowed = files.check(); !allowed) return fail(kUsageFault, allowed.error().where, allowed.error().what);
  MessageTrace trace(options.trace);
  if (auto error = trace.folderError()) return fail(kUsageFault, options.trace.file, *error);
  if (int code = trace.finish(tellStory(scenario, story))) return code;
  if (recording) {
    if (auto committed = recording->commit(); !committed) return fail(kRunFault, options.record, committed.error());
    return kSuccess;
  }
  if (options.expect.expected.empty()) return kSuccess;
  CompareOptions compare = options.expect;
  compare.actual = options.out;
  compare.page = options.html;
  return runCompare(compare);
}
