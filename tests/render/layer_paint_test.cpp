#include <gtest/gtest.h>

#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "render_support.h"
#include "uikit/view_animation.h"

using namespace render_support;
using render::Pixel;

namespace {

struct LayerPaint : testing::Test {
  rt::AutoreleasePool pool;
  render::Renderer renderer;
  Ref<> window = makeWindow(100, 100);
};

id layerOf(id view) { return send<id>(view, "layer"_sel); }

TEST_F(LayerPaint, BackgroundsFillFramesAtTheScale) {
  addView(window, CGRectMake(10, 20, 30, 40), color(1, 0, 0));
  render::Picture p = draw(renderer, window, 3);
  EXPECT_EQ(p.width(), 300);
  EXPECT_EQ(p.height(), 300);
  EXPECT_EQ(p.pixel(31, 61), kRed);
  EXPECT_EQ(p.pixel(119, 179), kRed);
  EXPECT_EQ(p.pixel(29, 61), kWhite);
  EXPECT_EQ(p.pixel(121, 61), kWhite);
  EXPECT_EQ(p.pixel(31, 181), kWhite);
}

TEST_F(LayerPaint, HiddenViewAndItsSubviewsLeaveNoTrace) {
  Ref<> hidden = addView(window, CGRectMake(10, 10, 50, 50), color(1, 0, 0));
  addView(hidden, CGRectMake(0, 0, 10, 10), color(0, 0, 1));
  send<void>(hidden, "setHidden:"_sel, true);
  render::Picture p = draw(renderer, window);
  for (int y = 0; y < 100; y += 3)
    for (int x = 0; x < 100; x += 3) ASSERT_EQ(p.pixel(x, y), kWhite) << x << "," << y;
}

TEST_F(LayerPaint, AlphaBlendsTheSubtreeAsOneGroup) {
  Ref<> half = addView(window, CGRectMake(0, 0, 50, 50), color(1, 0, 0));
  // Overlapping blue child: as a group, the overlap is blue at half strength, not a mix
  // of red and blue.
  addView(half, CGRectMake(0, 0, 20, 20), color(0, 0, 1));
  send<void>(half, "setAlpha:"_sel, 0.5);
  render::Picture p = draw(renderer, window);
  Pixel red = p.pixel(30, 30), blue = p.pixel(10, 10);
  EXPECT_NEAR(red.r, 255, 1);
  EXPECT_NEAR(red.g, 128, 2);
  EXPECT_NEAR(blue.r, 128, 2);
  EXPECT_NEAR(blue.g, 128, 2);
  EXPECT_NEAR(blue.b, 255, 1);
}

TEST_F(LayerPaint, AlphaOfAViewWithoutContentBlendsItsBackground) {
  Ref<> v = addView(window, CGRectMake(0, 0, 50, 50), color(1, 0, 0, 0.5));
  send<void>(v, "setAlpha:"_sel, 0.5);
  Pixel p = draw(renderer, window).pixel(25, 25);
  EXPECT_NEAR(p.g, 191, 2);
  EXPECT_EQ(p.r, 255);
}

TEST_F(LayerPaint, ZeroAlphaDrawsNothing) {
  Ref<> v = addView(window, CGRectMake(0, 0, 50, 50), color(1, 0, 0));
  send<void>(v, "setAlpha:"_sel, 0.0);
  EXPECT_EQ(draw(renderer, window).pixel(25, 25), kWhite);
}

TEST_F(LayerPaint, ClippingKeepsSubviewsInsideTheBounds) {
  Ref<> clip = addView(window, CGRectMake(20, 20, 40, 40), color(0, 0, 1));
  addView(clip, CGRectMake(30, 30, 40, 40), color(1, 0, 0));
  render::Picture unclipped = draw(renderer, window);
  EXPECT_EQ(unclipped.pixel(65, 65), kRed);

  send<void>(clip, "setClipsToBounds:"_sel, true);
  render::Picture p = draw(renderer, window);
  EXPECT_EQ(p.pixel(55, 55), kRed);
  EXPECT_EQ(p.pixel(65, 65), kWhite);
  EXPECT_EQ(p.pixel(55, 65), kWhite);
}

// The scrubber's pill: left corners kept, right ones square.
TEST_F(LayerPaint, MaskedCornersRoundOnlyTheirCorners) {
  Ref<> pill = addView(window, CGRectMake(10, 40, 80, 20), color(1, 0, 0));
  send<void>(layerOf(pill), "setCornerRadius:"_sel, 10.0);
  send<void>(layerOf(pill), "setMaskedCorners:"_sel, kCALayerMinXMinYCorner | kCALayerMinXMaxYCorner);
  send<void>(layerOf(pill), "setMasksToBounds:"_sel, true);
  send<void>(window, "setBackgroundColor:"_sel, nil);
  render::Picture p = draw(renderer, window, 2);
  EXPECT_EQ(p.pixelAtPoint(10.5, 40.5).a, 0) << "masked-off top left is transparent";
  EXPECT_EQ(p.pixelAtPoint(10.5, 59.5).a, 0);
  EXPECT_EQ(p.pixelAtPoint(89.5, 40.5), kRed) << "kept top right is opaque";
  EXPECT_EQ(p.pixelAtPoint(89.5, 59.5), kRed);
  EXPECT_EQ(p.pixelAtPoint(20, 50), kRed);
}

TEST_F(LayerPaint, CornerRadiusClipsSubviewsOnlyWhenMasking) {
  Ref<> box = addView(window, CGRectMake(0, 0, 60, 60), color(0, 0, 1));
  send<void>(layerOf(box), "setCornerRadius:"_sel, 20.0);
  addView(box, CGRectMake(0, 0, 60, 60), color(1, 0, 0));
  EXPECT_EQ(draw(renderer, window).pixel(1, 1), kRed);
  send<void>(layerOf(box), "setMasksToBounds:"_sel, true);
  EXPECT_EQ(draw(renderer, window).pixel(1, 1), kWhite);
}

TEST_F(LayerPaint, ScaleTransformStretchesAboutTheCentre) {
  Ref<> bar = addView(window, CGRectMake(20, 40, 60, 20), color(1, 0, 0));
  send<void>(bar, "setTransform:"_sel, CGAffineTransformMakeScale(1, 1.5));
  render::Picture p = draw(renderer, window, 2);
  // 20 tall about y 50 becomes 30 tall: 35 to 65.
  EXPECT_EQ(p.pixelAtPoint(50, 36), kRed);
  EXPECT_EQ(p.pixelAtPoint(50, 64), kRed);
  EXPECT_EQ(p.pixelAtPoint(50, 34), kWhite);
  EXPECT_EQ(p.pixelAtPoint(50, 66), kWhite);
  EXPECT_EQ(p.pixelAtPoint(19, 50), kWhite);
  EXPECT_EQ(p.pixelAtPoint(21, 50), kRed);
}

TEST_F(LayerPaint, ScrollViewContentOffsetMovesItsContent) {
  Ref<> scroll = addView(window, CGRectMake(0, 0, 100, 50), nil, "UIScrollView");
  addView(scroll, CGRectMake(0, 0, 20, 50), color(1, 0, 0));
  send<void>(scroll, "setContentOffset:"_sel, CGPointMake(-30, 0));
  render::Picture p = draw(renderer, window);
  EXPECT_EQ(p.pixel(10, 25), kWhite);
  EXPECT_EQ(p.pixel(40, 25), kRed);
}

TEST_F(LayerPaint, MidAnimationShowsTheIntermediatePosition) {
  Ref<> box = addView(window, CGRectMake(0, 0, 10, 10), color(1, 0, 0));
  send<void>(objc_getClass("UIView"), "animateWithDuration:delay:options:animations:completion:"_sel,
             1.0, 0.0, UIViewAnimationOptionCurveLinear,
             fnd::block<void()>([&] { send<void>(box, "setFrame:"_sel, CGRectMake(80, 0, 10, 10)); }), nil);
  fnd::RunLoop::main().runFor(0.5);
  render::Picture p = draw(renderer, window);
  EXPECT_EQ(p.pixel(45, 5), kRed);
  EXPECT_EQ(p.pixel(5, 5), kWhite);
  EXPECT_EQ(p.pixel(85, 5), kWhite);
  fnd::RunLoop::main().runFor(1);
  EXPECT_EQ(draw(renderer, window).pixel(85, 5), kRed);
}

Ref<> fadeMask(CGRect bounds, id locations) {
  Ref<> mask = rt::create(objc_getClass("CAGradientLayer"));
  send<void>(mask, "setBounds:"_sel, bounds);
  send<void>(mask, "setPosition:"_sel, CGPointMake(CGRectGetMidX(bounds), CGRectGetMidY(bounds)));
  // y in points, as the marquee gives it; the gradient still runs left to right.
  send<void>(mask, "setStartPoint:"_sel, CGPointMake(0, 10));
  send<void>(mask, "setEndPoint:"_sel, CGPointMake(1, 10));
  id clear = send<id>(send<id>(objc_getClass("UIColor"), "clearColor"_sel), "CGColor"_sel);
  id black = send<id>(send<id>(objc_getClass("UIColor"), "blackColor"_sel), "CGColor"_sel);
  send<void>(mask, "setColors:"_sel, fnd::array({clear, black, black, clear}));
  send<void>(mask, "setLocations:"_sel, locations);
  return mask;
}

TEST_F(LayerPaint, GradientMaskFadesTheEdges) {
  Ref<> strip = addView(window, CGRectMake(0, 40, 100, 20), color(0, 0, 0));
  Ref<> mask = fadeMask(CGRectMake(0, 0, 100, 20), fnd::array({fnd::number(0.0), fnd::number(0.0),
                                                               fnd::number(0.8), fnd::number(1.0)}));
  send<void>(layerOf(strip), "setMask:"_sel, mask.get());
  render::Picture p = draw(renderer, window);
  Pixel left = p.pixel(1, 50), middle = p.pixel(50, 50), fading = p.pixel(90, 50), edge = p.pixel(99, 50);
  EXPECT_EQ(left.r, 0) << "no fade on the left";
  EXPECT_EQ(middle.r, 0);
  EXPECT_GT(fading.r, 100);
  EXPECT_LT(fading.r, 155);
  EXPECT_GT(edge.r, 240);
  EXPECT_EQ(p.pixel(50, 30), kWhite) << "nothing outside the strip";
}

TEST_F(LayerPaint, MaskAndAlphaCombine) {
  Ref<> strip = addView(window, CGRectMake(0, 0, 100, 20), color(0, 0, 0));
  send<void>(layerOf(strip), "setMask:"_sel,
             fadeMask(CGRectMake(0, 0, 100, 20), fnd::array({fnd::number(0.0), fnd::number(0.0),
                                                              fnd::number(0.5), fnd::number(1.0)})).get());
  send<void>(strip, "setAlpha:"_sel, 0.5);
  render::Picture p = draw(renderer, window);
  EXPECT_NEAR(p.pixel(10, 10).r, 128, 2);
  EXPECT_NEAR(p.pixel(75, 10).r, 191, 3);
}

TEST_F(LayerPaint, StandaloneSublayersDrawInTheirLayer) {
  Ref<> host = addView(window, CGRectMake(50, 50, 40, 40));
  Ref<> sub = rt::create(objc_getClass("CALayer"));
  send<void>(sub, "setFrame:"_sel, CGRectMake(0, 0, 10, 10));
  send<void>(sub, "setBackgroundColor:"_sel, send<id>(color(0, 0, 1), "CGColor"_sel));
  send<void>(layerOf(host), "addSublayer:"_sel, sub.get());
  render::Picture p = draw(renderer, window);
  EXPECT_EQ(p.pixel(55, 55), kBlue);
  EXPECT_EQ(p.pixel(45, 45), kWhite);
}

TEST_F(LayerPaint, SingularTransformDrawsNothing) {
  Ref<> flat = addView(window, CGRectMake(0, 0, 50, 50), color(1, 0, 0));
  send<void>(flat, "setTransform:"_sel, CGAffineTransformMakeScale(0, 1));
  EXPECT_EQ(draw(renderer, window).pixel(25, 25), kWhite);
}

}  // namespace
