#include "tools/lvsim/core/compare_page.h"

#include <system_error>

#include "tools/lvsim/core/inspector_page.h"
#include "tools/lvsim/core/json_reading.h"

namespace lv::sim {

namespace {

namespace fs = std::filesystem;
using Page = nlohmann::ordered_json;

fs::path normal(const fs::path& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(path, error).lexically_normal();
  return absolute.filename().empty() ? absolute.parent_path() : absolute;
}

// Lexical, as a browser resolves the page's relative addresses.
std::string fromPage(const fs::path& file, const fs::path& pageFolder) {
  return normal(file).lexically_relative(normal(pageFolder)).generic_string();
}

// What the page needs of a run's report: snapshots that each hold a tree.
bool inspectable(const nlohmann::json& report) {
  auto snapshots = report.is_object() ? report.find("snapshots") : report.end();
  if (!report.is_object() || snapshots == report.end() || !snapshots->is_array()) return false;
  for (const nlohmann::json& snapshot : *snapshots)
    if (!snapshot.is_object() || !snapshot.contains("tree") || !snapshot["tree"].is_object()) return false;
  return true;
}

const char* sides(const ReportDifference& d) { return !d.expected ? "actual" : !d.actual ? "expected" : "both"; }

// Both reports of a file and where each difference lies; null when the file is not a pair
// of run reports.
Page inspected(const FileComparison& file, const fs::path& pageFolder) {
  if (file.side != FileComparison::Side::Both || file.picture) return nullptr;
  nlohmann::json expected, actual;
  try {
    expected = json::readJsonFile(file.expected);
    actual = json::readJsonFile(file.actual);
  } catch (const InputError&) {
    return nullptr;
  }
  if (!inspectable(expected) || !inspectable(actual)) return nullptr;
  Page differences = Page::array();
  for (const ReportDifference& d : file.report) {
    Page at = {{"snapshot", nullptr}, {"view", d.view}, {"field", d.field}, {"sides", sides(d)}};
    if (d.position) at["snapshot"] = *d.position;
    if (!d.actualView.empty()) at["actualView"] = d.actualView;
    differences.push_back(std::move(at));
  }
  return {{"name", file.name},
          {"expectedFolder", fromPage(file.expected.parent_path(), pageFolder)},
          {"actualFolder", fromPage(file.actual.parent_path(), pageFolder)},
          {"expected", Page(std::move(expected))},
          {"actual", Page(std::move(actual))},
          {"differences", std::move(differences)}};
}

// The lines compare prints, but with the marked picture named from the page.
std::vector<std::string> pageLines(const FileComparison& file, const fs::path& pageFolder) {
  if (file.marked.empty()) return describe(file);
  const PictureComparison& p = *file.picture;
  FileComparison named;
  named.name = file.name;
  named.picture = {p.expectedWidth, p.expectedHeight, p.actualWidth, p.actualHeight, p.differing, p.alike, {}, p.compared};
  named.marked = fromPage(file.marked, pageFolder);
  return describe(named);
}

Page fileEntry(const FileComparison& file, const fs::path& pageFolder) {
  Page entry = {{"name", file.name}, {"alike", file.alike()}, {"lines", pageLines(file, pageFolder)}};
  const bool picture = file.picture || fs::path(file.name).extension() == ".png";
  if (!picture) return entry;
  if (!file.expected.empty()) entry["expected"] = fromPage(file.expected, pageFolder);
  if (!file.actual.empty()) entry["actual"] = fromPage(file.actual, pageFolder);
  if (!file.marked.empty()) entry["marked"] = fromPage(file.marked, pageFolder);
  return entry;
}

}  // namespace

}  // namespace lv::sim

std::string lv::sim::comparePage(const OutputComparison& comparison, const std::string& summary,
                                 const fs::path& pageFolder) {
  Page files = Page::array();
  Page shown = nullptr;
  for (const FileComparison& file : comparison.files) {
    files.push_back(fileEntry(file, pageFolder));
    if (shown.is_null() || file.name == "report.json") {
      Page candidate = inspected(file, pageFolder);
      if (!candidate.is_null()) shown = std::move(candidate);
    }
  }
  return inspectorPage({{"comparison", {{"summary", summary}, {"files", std::move(files)}, {"inspected", std::move(shown)}}}});
}
