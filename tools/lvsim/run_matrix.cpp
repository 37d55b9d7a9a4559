#include "tools/lvsim/run_matrix.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "tools/lvsim/core/exit_codes.h"
#include "tools/lvsim/core/matrix_rows.h"
#include "tools/lvsim/core/matrix_table.h"
#include "tools/lvsim/core/parallel_children.h"

namespace {

namespace fs = std::filesystem;

// The folder of the combination's trace or video: one named after it where the file was named.
fs::path outputFolder(const std::string& file, const lv::sim::MatrixRow& row) {
  return fs::path(file).parent_path() / row.name;
}

// The combination's own lvsim run: every option as given but --each and --jobs, the
// combination's profile and settings added, each output in the combination's sub-folder;
// the scenario, which has no option name, last.
std::vector<std::string> combinationArguments(const lv::sim::RunOptions& options, const lv::sim::MatrixRow& row) {
  auto within = [&](const std::string& folder) { return (fs::path(folder) / row.name).string(); };
  auto beside = [&](const std::string& file) { return (outputFolder(file, row) / fs::path(file).filename()).string(); };
  lv::sim::OptionChanges changes = {{"--each", {}}, {"--jobs", {}}};
  std::vector<std::string> settings = options.device.settings;
  settings.insert(settings.end(), row.settings.begin(), row.settings.end());
  changes["--set"] = settings;
  if (!row.profile.empty()) changes["--profile"] = {row.profile};
  if (options.record.empty())
    changes["--out"] = {within(options.out)};
  else
    changes["--record"] = {within(options.record)};
  if (!options.expect.expected.empty()) changes["--expect"] = {within(options.expect.expected)};
  if (!options.trace.file.empty()) changes["--trace"] = {beside(options.trace.file)};
  if (!options.video.file.empty()) changes["--video"] = {beside(options.video.file)};
  std::vector<std::string> args = lv::sim::relaunchArguments(options.given, changes);
  args.insert(args.end(), {"--", options.scenario});
  return args;
}

}  // namespace

int lv::sim::runMatrix(const RunOptions& options) {
  bool profiles = std::ranges::find(options.each, "profile") != options.each.end();
  if (profiles && !options.device.profile.empty())
    return fail(kUsageFault, "--profile and --each profile: give one of them");
  std::vector<MatrixRow> rows = matrixRows(options.each);
  std::vector<std::vector<std::string>> commands;
  for (const MatrixRow& row : rows) {
    for (const std::string& file : {options.trace.file, options.video.file}) {
      if (file.empty()) continue;
      std::error_code error;
      fs::create_directories(outputFolder(file, row), error);
      if (error)
        return fail(kUsageFault, outputFolder(file, row).string(), "cannot make the folder: " + error.message());
    }
    commands.push_back(combinationArguments(options, row));
  }
  unsigned jobs = options.jobs ? options.jobs : std::thread::hardware_concurrency();  // runChildren bounds it
  std::vector<ChildRun> runs = runChildren(commands, jobs);
  std::fputs(matrixTable(rows, runs, !options.expect.expected.empty()).c_str(), stdout);
  return matrixExitCode(runs);
}
