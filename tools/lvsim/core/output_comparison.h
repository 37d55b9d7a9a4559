#pragma once
// What `lvsim run` wrote compared with references: two folders, whose pictures (*.png) and
// reports (*.json) are matched by file name, or two files of one kind (pictures when
// EXPECTED's name ends in .png, reports otherwise). Other files and subfolders are not
// compared. The result is plain data, for the lines the command prints or a page.
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "foundation/result.h"
#include "tools/lvsim/core/picture_comparison.h"
#include "tools/lvsim/core/picture_regions.h"
#include "tools/lvsim/core/report_comparison.h"

namespace lv::sim {

struct CompareTolerance {
  PictureTolerance picture;
  RegionOptions regions;  // of pictures, what is compared
  double number = 0.001;  // for the numbers of reports
  std::vector<std::string> ignored;  // report fields left out (report_comparison.h)
};

struct FileComparison {
  enum class Side { Both, ExpectedOnly, ActualOnly };
  std::string name;  // the file's name; for two files, ACTUAL's
  Side side = Side::Both;
  std::filesystem::path expected, actual;  // empty on the side that lacks the file
  std::vector<ReportDifference> report;
  std::optional<PictureComparison> picture;
  std::filesystem::path marked;  // the picture marking what changed, once written

  bool alike() const { return side == Side::Both && report.empty() && (!picture || picture->alike); }
};

struct OutputComparison {
  std::vector<FileComparison> files;  // by name
  bool alike() const;
};

// A file or folder that cannot be compared: missing, unreadable, not a PNG, not JSON.
struct CompareError {
  std::string where, what;
  std::string message() const { return where + ": " + what; }
};

// The names of the pictures and reports in `folder`, the files compared there.
std::set<std::string> comparedFiles(const std::filesystem::path& folder, std::error_code& error);

fnd::Result<OutputComparison, CompareError> compareOutputs(const std::filesystem::path& expected,
                                                           const std::filesystem::path& actual,
                                                           const CompareTolerance& tolerance);

// One line per difference: "report.json: playing: 0/3/1 frame.x: 22 -> 34.5".
std::vector<std::string> describe(const FileComparison& file);

}  // namespace lv::sim
