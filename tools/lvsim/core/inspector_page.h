#pragma once
// report.html: one page that shows a report offline. Its HTML, style sheet and script are
// the files of tools/lvsim/core/inspector, put into lvsim at build time; the report goes into
// the page as JSON, and the snapshots' pictures stay beside it, named by their "picture".
// The same report gives the same bytes.
#include <string>

#include <nlohmann/json.hpp>

namespace lv::sim {

std::string inspectorPage(const nlohmann::ordered_json& report);

}  // namespace lv::sim
