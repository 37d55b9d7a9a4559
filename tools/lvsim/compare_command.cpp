#include "tools/lvsim/compare_command.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <system_error>

#include <CLI/CLI.hpp>

#include "foundation/atomic_file.h"
#include "tools/lvsim/core/command_files.h"
#include "tools/lvsim/core/compare_page.h"
#include "tools/lvsim/core/echo.h"
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

// X,Y,W,H: four finite numbers, the size not negative.
std::optional<std::array<double, 4>> maskIn(const std::string& text) {
  std::array<double, 4> rect;
  const char* at = text.c_str();
  for (size_t i = 0; i < rect.size(); ++i) {
    char* end = nullptr;
    rect[i] = std::strtod(at, &end);
    if (end == at || !std::isfinite(rect[i]) || *end != (i + 1 < rect.size() ? ',' : '\0')) return std::nullopt;
    at = end + 1;
  }
  if (rect[2] < 0 || rect[3] < 0) return std::nullopt;
  return rect;
}

bool viewIdLike(std::string_view text) {
  if (!text.starts_with('0')) return false;
  for (size_t at = 1; at < text.size();) {
    if (text[at] != '/' || at + 1 == text.size() || !std::isdigit(uint8_t(text[at + 1]))) return false;
    at = text.find_first_not_of("0123456789", at + 1);
    if (at == std::string::npos) return true;
  }
  return text.size() == 1;
}

// A validator of texts that `accepts`, refusing others as not `expected`.
template <typename Accepts>
CLI::Validator textIn(Accepts accepts, std::string expected) {
  return CLI::Validator(
      [accepts, expected](std::string& text) { return accepts(text) ? std::string() : "expected " + expected + ", got " + inQuotes(text); },
      "");
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
                     "Share of a picture's pixels compared that may differ (0 to 1, default 0)")
      ->type_name("SHARE")
      ->check(numberIn({.low = 0, .high = 1, .lowIncluded = true}));
  command.add_option("--number-tolerance", options.tolerance.number,
                     "How far a report's number may be off (0 to " + std::to_string(kMaxNumberTolerance) + ", default 0.001)")
      ->type_name("X")
      ->check(numberIn({.low = 0, .high = kMaxNumberTolerance, .lowIncluded = true}));
  command.add_option("--delta-e", options.tolerance.picture.deltaE,
                     "How far a pixel's colour may look off, as a CIEDE2000 difference, in place of the channel "
                     "tolerance for red, green and blue (above 0, at most 100; about 1 is barely seen, 2 passes at a glance)")
      ->type_name("X")
      ->check(numberIn({.low = 0, .high = 100}));
  auto masks = [&options](const std::vector<std::string>& texts) {
    for (const std::string& text : texts) options.tolerance.regions.masks.push_back(*maskIn(text));
  };
  command.add_option_function<std::vector<std::string>>(
             "--mask", masks, "Leave out of picture comparisons the rectangle X,Y,W,H of the window, in points (repeatable)")
      ->type_name("X,Y,W,H")
      ->check(textIn(maskIn, "X,Y,W,H in points, W and H not below 0"));
  command.add_option("--crop", options.tolerance.regions.crop,
                     "Compare only the rectangle of the view VIEW-ID (as 0/1/4) in each picture's snapshot")
      ->type_name("VIEW-ID")
      ->check(textIn(viewIdLike, "a view's id, as 0/1/4"));
  command.add_option("--ignore", options.tolerance.ignored,
                     "Leave the report field FIELD out, with the fields within it: frame, frame.x, text, textColor, "
                     "font, globals.NAME, … (repeatable)")
      ->type_name("FIELD")
      ->check(textIn(knownField, "a field of reports, as frame.x or textColor"));
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
