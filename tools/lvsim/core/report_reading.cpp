#include "tools/lvsim/core/report_reading.h"

namespace lv::sim {

namespace {

using json::Json;
using json::Place;

constexpr size_t kFormatLimit = 48;

std::vector<std::string> texts(const Json& value, const Place& at) {
  if (!value.is_array()) at.fail("expected an array of strings");
  std::vector<std::string> all;
  for (size_t i = 0; i < value.size(); ++i) all.push_back(json::text(value[i], at[i]));
  return all;
}

std::map<std::string, bool> booleans(const Json& value, const Place& at) {
  if (!value.is_object()) at.fail("expected an object of true or false");
  std::map<std::string, bool> all;
  for (const auto& [key, flag] : value.items()) all[key] = json::boolean(flag, at[key]);
  return all;
}

ReportHeader headerOf(const Json& report, const Place& top) {
  auto field = [&](std::string_view key) { return json::text(json::require(report, key, top), top[key]); };
  return {.version = field("version"),
          .scenario = field("scenario"),
          .profile = field("profile"),
          .system = field("system"),
          .settings = booleans(json::require(report, "settings", top), top["settings"]),
          .without = texts(json::require(report, "without", top), top["without"]),
          .library = field("library")};
}

ReportSnapshot snapshotOf(const Json& snapshot, const Place& at) {
  if (!snapshot.is_object()) at.fail("expected an object");
  const Json& frame = json::require(json::require(snapshot, "tree", at), "frame", at["tree"]);
  if (!frame.is_array() || frame.size() != 4) at["tree"]["frame"].fail("expected 4 numbers");
  double width = json::number(frame[2], at["tree"]["frame"][2]);
  if (width <= 0) at["tree"]["frame"][2].fail("expected a width above 0");
  return {.name = json::text(json::require(snapshot, "name", at), at["name"]),
          .picture = json::optionalText(snapshot, "picture", at),
          .windowWidth = width,
          .json = snapshot};
}

}  // namespace

}  // namespace lv::sim

lv::sim::Report lv::sim::readReport(const std::filesystem::path& file) {
  Report report;
  report.json = json::readJsonFile(file);
  const Place top("");
  if (!report.json.is_object()) top.fail("expected a report, an object");
  auto format = report.json.find("format");
  if (format == report.json.end()) top["format"].fail("missing: not a report of lvsim's");
  if (*format != kReportFormat)
    top["format"].fail(printable(format->dump(), kFormatLimit) + " is not " + inQuotes(kReportFormat));
  report.header = headerOf(report.json, top);
  const Json& snapshots = json::require(report.json, "snapshots", top);
  if (!snapshots.is_array()) top["snapshots"].fail("expected an array");
  for (size_t i = 0; i < snapshots.size(); ++i) report.snapshots.push_back(snapshotOf(snapshots[i], top["snapshots"][i]));
  return report;
}
