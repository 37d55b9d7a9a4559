#include "tools/lvsim/core/output_comparison.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <system_error>

#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/report_reading.h"

namespace lv::sim {

namespace {

namespace fs = std::filesystem;

constexpr size_t kFileNameLimit = 80;

bool isPicture(const fs::path& file) { return file.extension() == ".png"; }

// The files of one name; either may be empty, when that side lacks it.
FileComparison filePair(std::string name, fs::path expected, fs::path actual) {
  FileComparison file;
  file.name = std::move(name);
  using Side = FileComparison::Side;
  file.side = expected.empty() ? Side::ActualOnly : actual.empty() ? Side::ExpectedOnly : Side::Both;
  file.expected = std::move(expected);
  file.actual = std::move(actual);
  return file;
}

fnd::Result<void, CompareError> compareFile(FileComparison& file, const CompareTolerance& tolerance) {
  if (isPicture(file.expected)) {
    auto expected = uikit::readPngFile(file.expected);
    if (!expected) return CompareError{file.expected.string(), expected.error().reason};
    auto actual = uikit::readPngFile(file.actual);
    if (!actual) return CompareError{file.actual.string(), actual.error().reason};
    PictureRegions regions;
    if (tolerance.regions.any()) {
      auto placed = pictureRegions(tolerance.regions, file.expected, expected.value().width);
      if (!placed) return CompareError{file.expected.string(), placed.error()};
      regions = std::move(placed.value());
    }
    file.picture = comparePictures(expected.value(), actual.value(), tolerance.picture, regions);
    return {};
  }
  const fs::path* reading = &file.expected;
  try {
    Report expected = readReport(file.expected);
    reading = &file.actual;
    file.report = compareReports(expected.json, readReport(file.actual).json, tolerance.number, tolerance.ignored);
  } catch (const InputError& e) {
    return CompareError{reading->string(), e.what()};
  }
  return {};
}

std::string share(long part, long whole) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3g %%", whole ? 100.0 * double(part) / double(whole) : 0.0);
  return text;
}

std::string pictureLine(const FileComparison& file) {
  const PictureComparison& p = *file.picture;
  if (!p.sameSize())
    return std::to_string(p.expectedWidth) + " × " + std::to_string(p.expectedHeight) + " pixels -> " +
           std::to_string(p.actualWidth) + " × " + std::to_string(p.actualHeight);
  std::string line = std::to_string(p.differing) + " of " + std::to_string(p.compared) + " pixels differ (" +
                     share(p.differing, p.compared) + ")";
  return file.marked.empty() ? line : line + ", marked in " + printable(file.marked.string(), kFileNameLimit * 2);
}

}  // namespace

}  // namespace lv::sim

std::set<std::string> lv::sim::comparedFiles(const fs::path& folder, std::error_code& error) {
  std::set<std::string> names;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::path& file = it->path();
    std::error_code ignored;
    if (it->is_regular_file(ignored) && (isPicture(file) || file.extension() == ".json"))
      names.insert(file.filename().string());
  }
  return names;
}

bool lv::sim::OutputComparison::alike() const {
  return std::all_of(files.begin(), files.end(), [](const FileComparison& f) { return f.alike(); });
}

fnd::Result<lv::sim::OutputComparison, lv::sim::CompareError> lv::sim::compareOutputs(
    const fs::path& expected, const fs::path& actual, const CompareTolerance& tolerance) {
  std::error_code error;
  for (const fs::path& side : {expected, actual})
    if (!fs::exists(side, error)) return CompareError{side.string(), "no such file or folder"};
  OutputComparison result;
  bool folders = fs::is_directory(expected, error);
  if (folders != fs::is_directory(actual, error))
    return CompareError{actual.string(), folders ? "not a folder, as EXPECTED is" : "a folder, where EXPECTED is a file"};
  if (!folders) {
    result.files.push_back(filePair(actual.filename().string(), expected, actual));
  } else {
    std::set<std::string> inExpected = comparedFiles(expected, error);
    if (error) return CompareError{expected.string(), "cannot read the folder: " + error.message()};
    // References that hold nothing would pass every run.
    if (inExpected.empty()) return CompareError{expected.string(), "holds no pictures or reports to compare with"};
    std::set<std::string> inActual = comparedFiles(actual, error);
    if (error) return CompareError{actual.string(), "cannot read the folder: " + error.message()};
    std::set<std::string> names = inExpected;
    names.insert(inActual.begin(), inActual.end());
    for (const std::string& name : names) {
      result.files.push_back(filePair(name, inExpected.contains(name) ? expected / name : fs::path(),
                                      inActual.contains(name) ? actual / name : fs::path()));
    }
  }
  for (FileComparison& file : result.files)
    if (file.side == FileComparison::Side::Both)
      if (auto compared = compareFile(file, tolerance); !compared) return compared.error();
  return result;
}

std::vector<std::string> lv::sim::describe(const FileComparison& file) {
  std::string name = printable(file.name, kFileNameLimit) + ": ";
  if (file.side != FileComparison::Side::Both)
    return {name + (file.side == FileComparison::Side::ExpectedOnly ? "missing" : "added")};
  std::vector<std::string> lines;
  if (file.picture && !file.picture->alike) lines.push_back(name + pictureLine(file));
  for (const ReportDifference& d : file.report) lines.push_back(name + describe(d));
  return lines;
}
