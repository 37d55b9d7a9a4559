#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "foundation/values.h"
#include "uikit/font.h"
#include "uikit/text_measurer.h"
#include "view_support.h"

namespace {

using uikit::FontFace;
using uikit::measureText;

const FontFace kRegular17{"Inter", 400, 17};
const FontFace kMedium17{"Inter", 500, 17};

TEST(PangoMeasurement, WidthsAreFractionalAndFollowFaceAndSizeAndLinesStack) {
  CGFloat hello = measureText(kRegular17, "Hello, world").width;
  EXPECT_GT(hello, 60);
  EXPECT_LT(hello, 120);
  EXPECT_NE(hello, std::floor(hello));
  EXPECT_LT(measureText(kRegular17, "iiii").width, measureText(kRegular17, "WWWW").width);
  EXPECT_GT(measureText(kMedium17, "Hello, world").width, hello);
  // Unhinted advances scale linearly with the size, each to Pango's 1/1024 unit.
  CGFloat doubled = measureText({"Inter", 400, 34}, "Hello, world").width;
  EXPECT_NEAR(doubled, 2 * hello, 12.0 / 1024);
  // Lines stack; empty text measures zero.
  CGFloat line = uikit::fontMetrics(kRegular17).lineHeight;
  EXPECT_EQ(measureText(kRegular17, "Title").height, line);
  CGSize two = measureText(kRegular17, "Title\nA longer second line");
  EXPECT_EQ(two.height, 2 * line);
  EXPECT_EQ(two.width, measureText(kRegular17, "A longer second line").width);
  EXPECT_EQ(measureText(kRegular17, ""), CGSize{});
  EXPECT_EQ(measureText({"Inter", 400, 0}, "text"), CGSize{});
}

int measured = 0;  // lines the measurer below was asked for

struct CountingMeasurer : uikit::FixedAdvanceMeasurer {
  CGFloat lineWidth(const FontFace& face, std::string_view line) override {
    ++measured;
    return FixedAdvanceMeasurer::lineWidth(face, line);
  }
};

// Fixed advances are exact per code point; measures are remembered per face and text until
// a measurer is installed.
TEST(FixedAdvanceMeasurement, WidthsAreExactPerCodePointAndRemembered) {
  uikit::setTextMeasurer(std::make_unique<CountingMeasurer>());
  EXPECT_EQ(measureText({"Inter", 400, 10}, "abcd"), CGSizeMake(20, 12.5));
  EXPECT_EQ(measureText({"Inter", 400, 10}, "né→😀").width, 20);
  EXPECT_EQ(measureText({"Inter", 400, 10}, "ab\nabc\n"), CGSizeMake(15, 37.5));
  measured = 0;
  const std::tuple<FontFace, const char*, int> steps[] = {
      {kRegular17, "Track", 1}, {kRegular17, "Track", 1}, {kMedium17, "Track", 2}, {{"Inter", 400, 18}, "Track", 3},
      {kRegular17, "Track ", 4}, {kMedium17, "Track", 4}};
  for (const auto& [face, text, count] : steps) {
    measureText(face, text);
    EXPECT_EQ(measured, count) << text;
  }
  uikit::clearTextMeasureCache();
  measureText(kRegular17, "Track");
  EXPECT_EQ(measured, 5);
}

id systemFont(CGFloat size, CGFloat weight) {
  return send<id>(objc_getClass("UIFont"), "systemFontOfSize:weight:"_sel, size, weight);
}

// In-between weights take the nearest face; a size that is no size gives an empty font.
// Fonts made alike are distinct objects that compare equal.
TEST(UIFont, SystemFontIsInterOfTheAskedSizeAndNearestWeight) {
  const struct { CGFloat size, weight; int face; CGFloat pointSize; } cases[] = {
      {17, UIFontWeightMedium, 500, 17}, {12, 0.38, 700, 12}, {12, 0.1, 400, 12}, {10, NAN, 400, 10},
      {-4, UIFontWeightRegular, 400, 0}, {NAN, UIFontWeightRegular, 400, 0}, {INFINITY, 0, 400, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " " << c.weight);
    id font = systemFont(c.size, c.weight);
    EXPECT_EQ(uikit::fontFace(font).weight, c.face);
    EXPECT_EQ(send<CGFloat>(font, "pointSize"_sel), c.pointSize);
    if (c.pointSize == 0) { EXPECT_EQ(send<CGFloat>(font, "lineHeight"_sel), 0); }
  }
  EXPECT_EQ(fnd::utf8(send<id>(systemFont(17, UIFontWeightMedium), "fontName"_sel)), "Inter-Medium");
  id regular = send<id>(objc_getClass("UIFont"), "systemFontOfSize:"_sel, 11.0);
  EXPECT_EQ(fnd::utf8(send<id>(regular, "fontName"_sel)), "Inter-Regular");
  EXPECT_EQ(send<CGFloat>(regular, "pointSize"_sel), 11);
  testing_support::expectEqualObjects(systemFont(17, UIFontWeightMedium), systemFont(17, UIFontWeightMedium),
                                      {systemFont(17, UIFontWeightRegular), systemFont(11, UIFontWeightMedium),
                                       fnd::string("Inter-Medium"), nil});
  // Metrics come from the installed measurer.
  id font = systemFont(20, UIFontWeightRegular);
  EXPECT_GT(send<CGFloat>(font, "lineHeight"_sel), 20);
  EXPECT_LT(send<CGFloat>(font, "lineHeight"_sel), 30);
  uikit::setTextMeasurer(std::make_unique<uikit::FixedAdvanceMeasurer>(0.5, 1.25, 1.0));
  EXPECT_EQ(send<CGFloat>(font, "lineHeight"_sel), 25);
}

}  // namespace
