#include "tools/lvsim/core/inspector_page.h"

#include <string_view>

namespace lv::sim {

extern const std::string_view kInspectorTemplate;  // made at build time by embed_page.cmake

}  // namespace lv::sim

namespace {

constexpr std::string_view kReportMark = "@REPORT@";

// The report as the text of a script element: "<" is written as \u003c, so no text in it
// ("</script>", "<!--") can end the element early. Texts that are not UTF-8 get U+FFFD.
std::string scriptJson(const nlohmann::ordered_json& report) {
  std::string json = report.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
  std::string escaped;
  escaped.reserve(json.size());
  for (char c : json) {
    if (c == '<') escaped += "\\u003c";
    else escaped += c;
  }
  return escaped;
}

}  // namespace

std::string lv::sim::inspectorPage(const nlohmann::ordered_json& report) {
  const size_t mark = kInspectorTemplate.find(kReportMark);
  std::string page(kInspectorTemplate.substr(0, mark));
  page += scriptJson(report);
  page += kInspectorTemplate.substr(mark + kReportMark.size());
  return page;
}
