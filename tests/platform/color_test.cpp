#include <gtest/gtest.h>

#include "foundation/values.h"
#include "uikit/color.h"
#include "view_support.h"

namespace {

using uikit::RGBA;

id rgbColor(CGFloat r, CGFloat g, CGFloat b, CGFloat a) {
  return send<id>(objc_getClass("UIColor"), "colorWithRed:green:blue:alpha:"_sel, r, g, b, a);
}

id named(SEL sel) { return send<id>(objc_getClass("UIColor"), sel); }

TEST(Color, ComponentsOfMadeAndNamedColours) {
  const RGBA secondary{235 / 255.0, 235 / 255.0, 245 / 255.0, 0.6};
  const std::pair<id, RGBA> cases[] = {
      {rgbColor(0.1, 0.2, 0.3, 0.4), {0.1, 0.2, 0.3, 0.4}}, {named("clearColor"_sel), {0, 0, 0, 0}},
      {named("blackColor"_sel), {0, 0, 0, 1}}, {named("labelColor"_sel), {1, 1, 1, 1}},
      {named("secondaryLabelColor"_sel), secondary}, {nil, {0, 0, 0, 0}},
      {send<id>(named("secondaryLabelColor"_sel), "colorWithAlphaComponent:"_sel, 0.3),
       {secondary.r, secondary.g, secondary.b, 0.3}}};
  for (const auto& [color, expected] : cases) EXPECT_EQ(uikit::rgba(color), expected);
  EXPECT_DEATH(uikit::rgba(fnd::string("red")), "NSString is not a colour");
}

// A colour's CGColor is its own, made once, and outlives it when retained.
TEST(Color, EqualityIsByComponentsWithinEachKindAndTheCGColorOutlivesItsColour) {
  id a = rgbColor(1, 0.5, 0, 1), b = rgbColor(1, 0.5, 0, 1);
  id cgA = send<id>(a, "CGColor"_sel);
  testing_support::expectEqualObjects(a, b, {rgbColor(1, 0.5, 0, 0.99), nil, fnd::string("#FF8000"), cgA});
  testing_support::expectEqualObjects(cgA, send<id>(b, "CGColor"_sel), {a});
  long before = rt::liveObjectCount();
  Ref<> cg;
  {
    rt::AutoreleasePool pool;
    id color = rgbColor(0.2, 0.4, 0.6, 0.8);
    cg = Ref<>::retain(send<id>(color, "CGColor"_sel));
    EXPECT_EQ(send<id>(color, "CGColor"_sel), cg.get());
    EXPECT_STREQ(class_getName(cg->isa), "CGColor");
  }
  EXPECT_EQ(rt::liveObjectCount(), before + 1);
  EXPECT_EQ(uikit::rgba(cg.get()), (RGBA{0.2, 0.4, 0.6, 0.8}));
  cg = nullptr;
  EXPECT_EQ(rt::liveObjectCount(), before);
}

}  // namespace
