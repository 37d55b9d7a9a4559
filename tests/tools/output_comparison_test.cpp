// Reports and pictures compared in the process, as `lvsim compare` compares them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/lvsim/core/picture_comparison.h"
#include "tools/lvsim/core/report_comparison.h"

namespace {

using Json = nlohmann::json;

Json view(const char* cls, Json frame, Json subviews = Json::array()) {
  return {{"class", cls}, {"frame", frame}, {"subviews", subviews}};
}

// A report of one snapshot, "playing", whose window holds `subviews`.
Json report(Json subviews, Json globals = Json::object()) {
  return {{"library", "built"},
          {"snapshots", {{{"name", "playing"}, {"globals", globals}, {"tree", view("UIWindow", {0, 0, 390, 844}, subviews)}}}}};
}

std::vector<std::string> lines(const Json& expected, const Json& actual) {
  std::vector<std::string> described;
  for (const lv::sim::ReportDifference& d : lv::sim::compareReports(expected, actual, 0.001)) described.push_back(describe(d));
  return described;
}

Json label(const char* text, bool hidden = false) {
  Json label = view("UILabel", {0, 20, 390, 80});
  label["text"] = text, label["hidden"] = hidden;
  return label;
}

TEST(ReportComparison, ListsEachDifferenceOfAlignedViewsInTreeOrder) {
  const Json art = view("MRUArtworkView", {22, 10, 60, 60});
  const Json clock = label("9:41"), hiddenClock = label("9:41", true), date = label("Monday 14 June");
  const Json row = Json::array({view("UIView", {0, 0, 1, 1}), art, view("UILabel", {0, 0, 1, 1})});
  Json ten = Json::array();
  for (int i = 0; i < 11; ++i) ten.push_back(view("UIView", {i, 0, 1, 1}));
  Json tenMoved = ten;
  tenMoved[10]["frame"][1] = 5, tenMoved[2]["frame"][1] = 5;
  Json withIds = report({art});
  withIds["snapshots"][0]["tree"]["subviews"][0]["id"] = "0/0";
  Json moreSnapshots = report({art});
  moreSnapshots["snapshots"].push_back({{"name", "stopped"}});
  const struct {
    Json expected, actual;
    std::vector<std::string> lines;
  } cases[] = {
      {report({art}), report({view("MRUArtworkView", {34.5, 10.0004, 60, 60})}), {"playing: 0/0 frame.x: 22 -> 34.5"}},
      {report(row), report({row[0]}), {"playing: 0/1 MRUArtworkView: missing", "playing: 0/2 UILabel: missing"}},
      {report(Json::array()), report({view("UIView", {0, 0, 1, 1}, row)}), {"playing: 0/0 UIView: added with 3 views within"}},
      {report({art}), report({view("UILabel", {0, 0, 1, 1})}), {"playing: 0/0 MRUArtworkView: missing", "playing: 0/0 UILabel: added"}},
      {report({clock, date}, {{"clock", {{"id", "0/0"}}}}),
       report({view("UIView", {0, 0, 390, 6}), hiddenClock, date}, {{"clock", {{"id", "0/1"}}}}),
       {"playing: 0/0 UIView: added", "playing: 0/0 (now 0/1) hidden: false -> true"}},
      {report(ten), report(tenMoved), {"playing: 0/2 frame.y: 0 -> 5", "playing: 0/10 frame.y: 0 -> 5"}},
      {report({art}, {{"kEnabled", true}, {"mask", {0, 0.5}}}), report({art}, {{"kEnabled", false}, {"mask", {0, 0.6, 1}}}),
       {"playing: globals.kEnabled: true -> false", "playing: globals.mask.1: 0.5 -> 0.6",
        "playing: globals.mask.2: absent -> 1"}},
      {report({art}), moreSnapshots, {"snapshot stopped: added"}},
      {report({art}), withIds, {}},
      {{{"library", "built"}}, {{"library", "none"}, {"snapshots", 3}}, {"library: \"built\" -> \"none\"", "snapshots: absent -> 3"}},
  };
  for (const auto& c : cases) EXPECT_EQ(lines(c.expected, c.actual), c.lines) << c.actual.dump();
}

// Four pixels, the last one's green off by `off`.
TEST(PictureComparison, CountsPixelsBeyondTheToleranceAndMarksThem) {
  const std::vector<uint8_t> pixels = {10, 20, 30, 255, 10, 20, 30, 255, 10, 20, 30, 255, 10, 20, 30, 255};
  const uikit::PngPixels expected{2, 2, pixels};
  const struct {
    int off;
    lv::sim::PictureTolerance tolerance;
    long differing;
  } cases[] = {{2, {2, 0}, 0}, {3, {2, 0}, 1}, {3, {2, 0.25}, 1}, {200, {254, 0}, 0}};
  for (const auto& c : cases) {
    uikit::PngPixels actual = expected;
    actual.rgba[13] = uint8_t(20 + c.off);
    lv::sim::PictureComparison result = lv::sim::comparePictures(expected, actual, c.tolerance);
    EXPECT_EQ(result.differing, c.differing) << c.off;
    bool alike = c.differing <= c.tolerance.share * 4;
    EXPECT_EQ(result.alike, alike) << c.off;
    ASSERT_EQ(result.marked.has_value(), !alike) << "marked only when not alike";
    if (alike) continue;
    EXPECT_EQ(std::vector<uint8_t>(result.marked->rgba.begin() + 8, result.marked->rgba.end()),
              (std::vector<uint8_t>{6, 6, 6, 255, 255, 0, 255, 255})) << "dimmed, and the change in magenta";
  }
  uikit::PngPixels clear = expected, clearRed = expected;
  clear.rgba[15] = clearRed.rgba[15] = 0, clearRed.rgba[12] = 255;
  EXPECT_TRUE(lv::sim::comparePictures(clear, clearRed, {0, 0}).alike) << "transparent whatever its colour";
  EXPECT_FALSE(lv::sim::comparePictures(expected, uikit::PngPixels{4, 1, pixels}, {}).alike) << "another size";
}

}  // namespace
