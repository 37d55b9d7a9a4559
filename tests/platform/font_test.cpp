#include <gtest/gtest.h>

#include <cmath>

#include "foundation/values.h"
#include "uikit/font.h"
#include "view_support.h"

namespace {

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
