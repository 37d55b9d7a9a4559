#include "tools/lvsim/compare_command.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include <CLI/CLI.hpp>

#include "foundation/atomic_file.h"
#include "tools/lvsim/core/command_files.h"
#include "tools/lvsim/core/compare_page.h"
#include "tools/lvsim/core/exit_codes.h"
#include "tools/lvsim/number_option.h"
#include "tools/lvsim/core/story.h"

namespace lv::sim {

namespace {

namespace fs = std::filesystem;

// Points, seconds and alphas in a report lie far below this: a tolerance above it would
// call any two reports alike.
constexpr int kMaxNumberTolerance = 10000;

// What the comparison read, and the marked pictures and page it is to write.
CommandFiles filesOf(const OutputComparison& comparison, const fs::path& folder, const CompareOptions& options) {
  CommandFiles files;
  for (const FileComparison& file : comparison.files) {
    files.reads(file.expected);
    files.reads(file.actual);
  }
  for (const FileComparison& file : comparison.files)
    if (file.picture && file.picture->marked) files.writes(folder / file.name);
  if (options.page) files.writes(folder / kComparePage);
  return files;
}

bool marksAny(const OutputComparison& comparison) {
  return std::ranges::any_of(comparison.files,
                             [](const FileComparison& file) { return file.picture && file.picture->marked; });
}

// Writes the pictures that mark what changed into a folder that can be written; a picture
// that cannot be written is a line on stderr and leaves the rest to be written.
void writeMarked(OutputComparison& comparison, const fs::path& folder) {
  for (FileComparison& file : comparison.files) {
    if (!file.picture || !file.picture->marked) continue;
    fs::path marked = folder / file.name;
    if (auto written = uikit::writePngFile(marked.string(), *file.picture->marked); !written) {
      fail(kRunFault, written.error().message());
      continue;
    }
    file.marked = marked;
    file.picture->marked.reset();  // on the disk now; its pixels are not needed again
  }
}

std::string summary(const OutputComparison& comparison, size_t lines) {
  size_t differing = 0;
  for (const FileComparison& file : comparison.files) differing += !file.alike();
  std::string compared = std::to_string(comparison.files.size()) + (comparison.files.size() == 1 ? " file" : " files");
  if (!differing) return compared + " compared: alike";
  return compared + " compared: " + std::to_string(lines) + (lines == 1 ? " difference in " : " differences in ") +
         std::to_string(differing) + (differing == 1 ? " file" : " files");
}

}  // namespace

}  // namespace lv::sim

std::filesystem::path lv::sim::diffFolder(const CompareOptions& options) {
  if (!options.diff.empty()) return options.diff;
  std::error_code error;
  fs::path actual = options.actual;
  return (fs::is_directory(actual, error) ? actual : actual.parent_path()) / "diff";
}

void lv::sim::addToleranceOptions(CLI::App& command, CompareOptions& options) {
  command.add_option("--channel-tolerance", options.tolerance.picture.channel,
                     "How far a pixel's red, green, blue or alpha may be off (0 to 255, default 2)")
      ->type_name("N")
      ->check(numberIn({.low = 0, .high = 255, .lowIncluded = true, .whole = true}));
  command.add_option("--pixel-share", options.tolerance.picture.share,
                     "Share of a picture's pixels that may differ (0 to 1, default 0)")
      ->type_name("SHARE")
      ->check(numberIn({.low = 0, .high = 1, .lowIncluded = true}));
  command.add_option("--number-tolerance", options.tolerance.number,
                     "How far a report's number may be off (0 to " + std::to_string(kMaxNumberTolerance) + ", default 0.001)")
      ->type_name("X")
      ->check(numberIn({.low = 0, .high = kMaxNumberTolerance, .lowIncluded = true}));
  command.add_option("--diff", options.diff, "Folder for the pictures marking what changed (default: ACTUAL/diff)")
      ->type_name("DIR");
}

void lv::sim::addCompareCommand(CLI::App& app, CompareOptions& options) {
  CLI::App* compare = app.add_subcommand("compare", "Compare what lvsim run wrote with references");
  compare->add_option("expected", options.expected, "The references: a folder from lvsim run, or a file")
      ->required()
      ->type_name("EXPECTED");
  compare->add_option("actual", options.actual, "What to check: a folder or file of the same kind")
      ->required()
      ->type_name("ACTUAL");
  addToleranceOptions(*compare, options);
  compare->add_flag("--html", options.page, "Also write compare.html into the diff folder, a page showing the differences");
}

int lv::sim::runCompare(const CompareOptions& options) {
  auto compared = compareOutputs(options.expected, options.actual, options.tolerance);
  if (!compared) return fail(kUsageFault, compared.error().where, compared.error().what);
  fs::path folder = diffFolder(options);
  std::error_code error;
  if (fs::is_directory(options.expected, error) && liesWithin(folder, options.expected))
    return fail(kUsageFault, folder.string(), "the folder for marked pictures lies in EXPECTED");
  OutputComparison& comparison = compared.value();
  if (auto allowed = filesOf(comparison, folder, options).check(); !allowed)
    return fail(kUsageFault, allowed.error().where, allowed.error().what);
  if (options.page || marksAny(comparison))
    if (auto error = writableFolderError(folder)) return fail(kUsageFault, folder.string(), *error);
  const fs::path page = folder / kComparePage;
  writeMarked(comparison, folder);
  std::vector<std::string> lines;
  for (const FileComparison& file : comparison.files)
    for (std::string& line : describe(file)) lines.push_back(std::move(line));
  std::string total = summary(comparison, lines.size());
  fnd::Result<void, fnd::WriteError> written;
  if (options.page) written = fnd::writeFileAtomically(page.string(), comparePage(comparison, total, folder));
  if (options.page && written) std::printf("%s: the comparison page\n", page.string().c_str());
  for (const std::string& line : lines) std::printf("%s\n", line.c_str());
  std::printf("%s\n", total.c_str());
  // Alike, but without the page asked for, is no success.
  if (!written) return fail(kRunFault, written.error().message());
  return comparison.alike() ? kSuccess : kNotAlike;
}
