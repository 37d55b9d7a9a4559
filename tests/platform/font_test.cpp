#include <gtest/gtest.h>

#include <cmath>

#include "foundation/values.h"
#include "uikit/font.h"

namespace {

id systemFont(CGFloat size, CGFloat weight) {
  return send<id>(objc_getClass("UIFont"), "systemFontOfSize:weight:"_sel, size, weight);
}

TEST(UIFont, SystemFontIsInterOfTheAskedSizeAndNearestWeight) {
  rt::AutoreleasePool pool;
  id medium = systemFont(17, UIFontWeightMedium);
  EXPECT_EQ(send<CGFloat>(medium, "pointSize"_sel), 17);
  EXPECT_EQ(fnd::utf8(send<id>(medium, "fontName"_sel)), "Inter-Medium");
  EXPECT_EQ(uikit::fontFace(medium).weight, 500);

  id regular = send<id>(objc_getClass("UIFont"), "systemFontOfSize:"_sel, 11.0);
  EXPECT_EQ(fnd::utf8(send<id>(regular, "fontName"_sel)), "Inter-Regular");
  EXPECT_EQ(send<CGFloat>(regular, "pointSize"_sel), 11);
  // In-between weights take the nearest face.
  EXPECT_EQ(uikit::fontFace(systemFont(12, 0.38)).weight, 700);
  EXPECT_EQ(uikit::fontFace(systemFont(12, 0.1)).weight, 400);
  EXPECT_EQ(uikit::fontFace(systemFont(10, std::nan(""))).weight, 400);
  for (CGFloat size : {-4.0, std::nan(""), double(INFINITY)}) {
    id font = systemFont(size, UIFontWeightRegular);
    EXPECT_EQ(send<CGFloat>(font, "pointSize"_sel), 0);
    EXPECT_EQ(send<CGFloat>(font, "lineHeight"_sel), 0);
  }
}

TEST(UIFont, EqualFontsAreDistinctObjectsThatCompareEqual) {
  rt::AutoreleasePool pool;
  id a = systemFont(17, UIFontWeightMedium);
  id b = systemFont(17, UIFontWeightMedium);
  EXPECT_NE(a, b);
  EXPECT_TRUE(send<bool>(a, "isEqual:"_sel, b));
  EXPECT_EQ(send<NSUInteger>(a, "hash"_sel), send<NSUInteger>(b, "hash"_sel));
  for (id other : {systemFont(17, UIFontWeightRegular), systemFont(11, UIFontWeightMedium),
                   fnd::string("Inter-Medium"), id(nil)})
    EXPECT_FALSE(send<bool>(a, "isEqual:"_sel, other));
}

TEST(UIFont, MetricsComeFromTheInstalledMeasurer) {
  rt::AutoreleasePool pool;
  id font = systemFont(20, UIFontWeightRegular);
  CGFloat line = send<CGFloat>(font, "lineHeight"_sel);
  EXPECT_GT(line, 20);
  EXPECT_LT(line, 30);

  uikit::setTextMeasurer(std::make_unique<uikit::FixedAdvanceMeasurer>(0.5, 1.25, 1.0));
  EXPECT_EQ(send<CGFloat>(font, "lineHeight"_sel), 25);
}

}  // namespace
