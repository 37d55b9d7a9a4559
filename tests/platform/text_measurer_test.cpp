#include <gtest/gtest.h>

#include <cmath>

#include "uikit/text_measurer.h"

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

struct CountingMeasurer : uikit::FixedAdvanceMeasurer {
  int* calls;
  explicit CountingMeasurer(int* c) : calls(c) {}
  CGFloat lineWidth(const FontFace& face, std::string_view line) override {
    ++*calls;
    return FixedAdvanceMeasurer::lineWidth(face, line);
  }
};

// Fixed advances are exact per code point; measures are remembered per face and text until
// a measurer is installed.
TEST(FixedAdvanceMeasurement, WidthsAreExactPerCodePointAndRemembered) {
  int calls = 0;
  uikit::setTextMeasurer(std::make_unique<CountingMeasurer>(&calls));
  EXPECT_EQ(measureText({"Inter", 400, 10}, "abcd"), CGSizeMake(20, 12.5));
  EXPECT_EQ(measureText({"Inter", 400, 10}, "né→😀").width, 20);
  EXPECT_EQ(measureText({"Inter", 400, 10}, "ab\nabc\n"), CGSizeMake(15, 37.5));
  calls = 0;
  measureText(kRegular17, "Track");
  measureText(kRegular17, "Track");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(measureText(kMedium17, "Track").width, measureText(kRegular17, "Track").width);
  EXPECT_EQ(calls, 2);
  measureText({"Inter", 400, 18}, "Track");
  measureText(kRegular17, "Track ");
  EXPECT_EQ(calls, 4);
  uikit::clearTextMeasureCache();
  measureText(kRegular17, "Track");
  EXPECT_EQ(calls, 5);
}

}  // namespace
