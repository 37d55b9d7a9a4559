# Builds the inspector page's template into C++: the page with its style sheet and script
# put in, as the bytes of `lv::sim::kInspectorTemplate`. Run with -DSOURCE_DIR and -DOUTPUT.
file(READ ${SOURCE_DIR}/inspector.html page)
file(READ ${SOURCE_DIR}/inspector.css style)
file(READ ${SOURCE_DIR}/inspector.js script)
string(REPLACE "@INSPECTOR_CSS@" "${style}" page "${page}")
string(REPLACE "@INSPECTOR_JS@" "${script}" page "${page}")
string(HEX "${page}" hex)
# Every byte as a hex escape: the next escape's backslash ends each one.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" bytes "${hex}")
file(WRITE ${OUTPUT}.new "// Made by embed_page.cmake from tools/lvsim/core/inspector; do not edit.
#include <string_view>

namespace lv::sim {
namespace {
const char kBytes[] = \"${bytes}\";
}  // namespace
extern const std::string_view kInspectorTemplate;
const std::string_view kInspectorTemplate(kBytes, sizeof kBytes - 1);
}  // namespace lv::sim
")
file(RENAME ${OUTPUT}.new ${OUTPUT})
