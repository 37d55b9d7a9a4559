#pragma once
// `lvsim compare EXPECTED ACTUAL`: two folders from `lvsim run`, or two files, compared
// (output_comparison.h); a line per difference and a summary on stdout. Pictures that differ
// are marked in DIFF/NAME (by default the folder "diff" in ACTUAL, or beside ACTUAL when
// it is a file), never inside EXPECTED nor over an input (command_files.h); with --html so
// is compare.html, a page that shows the differences (compare_page.h). Exit code 0 when
// alike, 1 when not, 2 for a file or folder that cannot be compared.
#include <filesystem>
#include <string>

#include "tools/lvsim/core/output_comparison.h"

namespace CLI {
class App;
}

namespace lv::sim {

struct CompareOptions {
  std::string expected, actual;
  CompareTolerance tolerance;
  std::string diff;  // empty: the default folder
  bool page = false;  // compare.html in the diff folder
};

void addCompareCommand(CLI::App& app, CompareOptions& options);

// The tolerances and --diff, for every command that compares.
void addToleranceOptions(CLI::App& command, CompareOptions& options);

// The page that shows the differences, in the diff folder.
inline constexpr const char* kComparePage = "compare.html";

// The folder for marked pictures and the page: --diff, or its default.
std::filesystem::path diffFolder(const CompareOptions& options);

// Returns the process's exit code.
int runCompare(const CompareOptions& options);

}  // namespace lv::sim
