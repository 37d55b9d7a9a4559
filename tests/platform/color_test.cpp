#include <gtest/gtest.h>

#include "foundation/values.h"
#include "uikit/color.h"

namespace {

using uikit::RGBA;

id rgbColor(CGFloat r, CGFloat g, CGFloat b, CGFloat a) {
  return send<id>(objc_getClass("UIColor"), "colorWithRed:green:blue:alpha:"_sel, r, g, b, a);
}

id named(SEL sel) { return send<id>(objc_getClass("UIColor"), sel); }

TEST(Color, ConstructorsAndNamedColours) {
  rt::AutoreleasePool pool;
  EXPECT_EQ(uikit::rgba(rgbColor(0.1, 0.2, 0.3, 0.4)), (RGBA{0.1, 0.2, 0.3, 0.4}));
  EXPECT_EQ(uikit::rgba(send<id>(objc_getClass("UIColor"), "colorWithWhite:alpha:"_sel, 0.5, 0.25)),
            (RGBA{0.5, 0.5, 0.5, 0.25}));
  Ref<> made = rt::create(objc_getClass("UIColor"), "initWithRed:green:blue:alpha:"_sel, 1.0, 0.0, 0.5, 1.0);
  EXPECT_EQ(uikit::rgba(made), (RGBA{1, 0, 0.5, 1}));

  EXPECT_EQ(uikit::rgba(named("clearColor"_sel)), (RGBA{0, 0, 0, 0}));
  EXPECT_EQ(uikit::rgba(named("blackColor"_sel)), (RGBA{0, 0, 0, 1}));
  EXPECT_EQ(uikit::rgba(named("whiteColor"_sel)), (RGBA{1, 1, 1, 1}));
  EXPECT_EQ(uikit::rgba(named("labelColor"_sel)), (RGBA{1, 1, 1, 1}));
  EXPECT_EQ(uikit::rgba(named("secondaryLabelColor"_sel)), (RGBA{235 / 255.0, 235 / 255.0, 245 / 255.0, 0.6}));

  id half = send<id>(named("secondaryLabelColor"_sel), "colorWithAlphaComponent:"_sel, 0.3);
  EXPECT_EQ(uikit::rgba(half), (RGBA{235 / 255.0, 235 / 255.0, 245 / 255.0, 0.3}));
  CGFloat r = -1, a = -1;
  EXPECT_TRUE(send<bool>(half, "getRed:green:blue:alpha:"_sel, &r, static_cast<CGFloat*>(nullptr),
                         static_cast<CGFloat*>(nullptr), &a));
  EXPECT_EQ(r, 235 / 255.0);
  EXPECT_EQ(a, 0.3);
}

TEST(Color, EqualityIsByComponentsWithinEachKind) {
  rt::AutoreleasePool pool;
  id a = rgbColor(1, 0.5, 0, 1);
  id b = rgbColor(1, 0.5, 0, 1);
  EXPECT_NE(a, b);
  EXPECT_TRUE(send<bool>(a, "isEqual:"_sel, b));
  EXPECT_EQ(send<NSUInteger>(a, "hash"_sel), send<NSUInteger>(b, "hash"_sel));
  EXPECT_FALSE(send<bool>(a, "isEqual:"_sel, rgbColor(1, 0.5, 0, 0.99)));
  EXPECT_FALSE(send<bool>(a, "isEqual:"_sel, nil));
  EXPECT_FALSE(send<bool>(a, "isEqual:"_sel, fnd::string("#FF8000")));

  id cgA = send<id>(a, "CGColor"_sel);
  EXPECT_TRUE(send<bool>(cgA, "isEqual:"_sel, send<id>(b, "CGColor"_sel)));
  EXPECT_FALSE(send<bool>(cgA, "isEqual:"_sel, a));
  EXPECT_FALSE(send<bool>(a, "isEqual:"_sel, cgA));
}

TEST(Color, CGColorIsOwnedByItsColourAndOutlivesItWhenRetained) {
  long before = rt::liveObjectCount();
  Ref<> cg;
  {
    rt::AutoreleasePool pool;
    id color = rgbColor(0.2, 0.4, 0.6, 0.8);
    cg = send<id>(color, "CGColor"_sel);
    EXPECT_EQ(send<id>(color, "CGColor"_sel), cg.get());
    EXPECT_STREQ(class_getName(cg->isa), "CGColor");
    EXPECT_EQ(uikit::rgba(cg), uikit::rgba(color));
  }
  EXPECT_EQ(rt::liveObjectCount(), before + 1);
  EXPECT_EQ(uikit::rgba(cg), (RGBA{0.2, 0.4, 0.6, 0.8}));
  cg = nullptr;
  EXPECT_EQ(rt::liveObjectCount(), before);
}

TEST(Color, ReaderTakesNilAsClearAndRefusesOtherObjects) {
  EXPECT_EQ(uikit::rgba(nil), (RGBA{0, 0, 0, 0}));
  EXPECT_DEATH(uikit::rgba(fnd::string("red")), "NSString is not a colour");
}

}  // namespace
