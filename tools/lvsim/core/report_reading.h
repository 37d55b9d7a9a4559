#pragma once
// report.json read back, by the demo for the story it told in another process and by
// `lvsim compare`. Every fault is an InputError naming the place in the file, as
// `snapshots[2].tree.frame: expected 4 numbers`; a file of another format is refused by
// its "format" alone.
#include <filesystem>
#include <string>
#include <vector>

#include "tools/lvsim/core/json_reading.h"
#include "tools/lvsim/core/report_json.h"

namespace lv::sim {

struct ReportSnapshot {
  std::string name;
  std::string picture;  // a file beside the report; empty: none
  double windowWidth = 0;  // in points
  json::Json json;  // as written, with what the fields leave out
};

struct Report {
  ReportHeader header;
  std::vector<ReportSnapshot> snapshots;
  json::Json json;  // as written
};

Report readReport(const std::filesystem::path& file);

}  // namespace lv::sim
