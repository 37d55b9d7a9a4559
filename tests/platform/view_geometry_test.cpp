#include <gtest/gtest.h>

#include <cmath>

#include "uikit/view.h"
#include "view_support.h"

using testing_support::makeView;

namespace {

void expectRect(CGRect r, double x, double y, double w, double h) {
  EXPECT_NEAR(r.origin.x, x, 1e-9);
  EXPECT_NEAR(r.origin.y, y, 1e-9);
  EXPECT_NEAR(r.size.width, w, 1e-9);
  EXPECT_NEAR(r.size.height, h, 1e-9);
}

CGRect frameOf(id v) { return send<CGRect>(v, "frame"_sel); }

TEST(ViewGeometry, FrameBoundsCentreAndTransformStayConsistentUnderScaleAndRotation) {
  rt::AutoreleasePool pool;
  Ref<> v = makeView(CGRectMake(10, 20, 100, 50));
  send<void>(v, "setTransform:"_sel, CGAffineTransformScale(CGAffineTransformIdentity, 2, 0.5));
  expectRect(frameOf(v), -40, 32.5, 200, 25);
  expectRect(send<CGRect>(v, "bounds"_sel), 0, 0, 100, 50);
  EXPECT_EQ(send<CGPoint>(v, "center"_sel), CGPointMake(60, 45));

  // Setting the frame under a scale sets the centre and a bounds size that the scale maps
  // onto the frame.
  send<void>(v, "setFrame:"_sel, CGRectMake(0, 0, 300, 100));
  EXPECT_EQ(send<CGPoint>(v, "center"_sel), CGPointMake(150, 50));
  expectRect(send<CGRect>(v, "bounds"_sel), 0, 0, 150, 200);
  expectRect(frameOf(v), 0, 0, 300, 100);

  send<void>(v, "setTransform:"_sel, CGAffineTransformIdentity);
  expectRect(frameOf(v), 75, -50, 150, 200);

  // Under a rotation the frame is the bounding box.
  send<void>(v, "setFrame:"_sel, CGRectMake(0, 0, 100, 50));
  send<void>(v, "setTransform:"_sel, CGAffineTransformMakeRotation(M_PI / 2));
  expectRect(frameOf(v), 25, -25, 50, 100);
  send<void>(v, "setTransform:"_sel, CGAffineTransformMakeRotation(M_PI / 4));
  double side = 150 / std::sqrt(2.0);
  expectRect(frameOf(v), 50 - side / 2, 25 - side / 2, side, side);
}

TEST(ViewGeometry, BoundsOriginShiftsSubviewsAndConversions) {
  rt::AutoreleasePool pool;
  Ref<> window = makeView(CGRectMake(0, 0, 400, 800), "UIWindow");
  Ref<> outer = makeView(CGRectMake(50, 100, 200, 200));
  Ref<> inner = makeView(CGRectMake(10, 10, 50, 50));
  send<void>(window, "addSubview:"_sel, outer);
  send<void>(outer, "addSubview:"_sel, inner);
  send<void>(outer, "setBounds:"_sel, CGRectMake(5, 0, 200, 200));

  EXPECT_EQ(send<CGPoint>(inner, "convertPoint:toView:"_sel, CGPointMake(0, 0), nil),
            CGPointMake(55, 110));
  EXPECT_EQ(send<CGPoint>(window, "convertPoint:toView:"_sel, CGPointMake(55, 110), inner.get()),
            CGPointMake(0, 0));

  // A scale about the outer view's centre doubles distances from it.
  send<void>(outer, "setTransform:"_sel, CGAffineTransformMakeScale(2, 2));
  CGPoint p = send<CGPoint>(inner, "convertPoint:toView:"_sel, CGPointMake(0, 0), window.get());
  EXPECT_NEAR(p.x, 150 - 2 * 95, 1e-9);
  EXPECT_NEAR(p.y, 200 - 2 * 90, 1e-9);
  CGPoint back = send<CGPoint>(inner, "convertPoint:fromView:"_sel, p, window.get());
  EXPECT_NEAR(back.x, 0, 1e-9);
  EXPECT_NEAR(back.y, 0, 1e-9);
  expectRect(send<CGRect>(inner, "convertRect:toView:"_sel, CGRectMake(0, 0, 50, 50), window.get()),
             -40, 20, 100, 100);
  expectRect(send<CGRect>(window, "convertRect:toView:"_sel, CGRectMake(-40, 20, 100, 100), inner.get()),
             0, 0, 50, 50);
}

int g_setFrames = 0;

TEST(ViewGeometry, AutoresizingFollowsTheSuperviewsResizeThroughSetFrame) {
  rt::AutoreleasePool pool;
  Class counting = objc_allocateClassPair(objc_getClass("UIView"), "FrameCountingView", 0);
  objc_registerClassPair(counting);
  class_addMethod(counting, "setFrame:"_sel, +[](id self, SEL sel, CGRect r) {
    ++g_setFrames;
    sendSuper<void>(objc_getClass("UIView"), self, sel, r);
  }, "v@:{CGRect=}");
  Ref<> super = makeView(CGRectMake(0, 0, 200, 100));
  Ref<> fill = makeView(CGRectMake(10, 10, 180, 80), "FrameCountingView");
  Ref<> right = makeView(CGRectMake(10, 10, 50, 50));
  Ref<> centred = makeView(CGRectMake(10, 10, 50, 50));
  Ref<> pinned = makeView(CGRectMake(10, 10, 50, 50));
  Ref<> constrained = makeView(CGRectMake(10, 10, 50, 50));
  send<void>(fill, "setAutoresizingMask:"_sel, 18UL);
  send<void>(right, "setAutoresizingMask:"_sel, 1UL);
  send<void>(centred, "setAutoresizingMask:"_sel, 5UL);
  send<void>(constrained, "setAutoresizingMask:"_sel, 18UL);
  send<void>(constrained, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, false);
  for (id v : {fill.get(), right.get(), centred.get(), pinned.get(), constrained.get()})
    send<void>(super, "addSubview:"_sel, v);

  g_setFrames = 0;
  send<void>(super, "setFrame:"_sel, CGRectMake(0, 0, 300, 150));
  EXPECT_EQ(g_setFrames, 1);
  expectRect(frameOf(fill), 10, 10, 280, 130);
  expectRect(frameOf(right), 110, 10, 50, 50);
  // Both margins are flexible: the extra 100 points go 10:140 between them.
  expectRect(frameOf(centred), 10 + 100 * 10.0 / 150, 10, 50, 50);
  expectRect(frameOf(pinned), 10, 10, 50, 50);
  expectRect(frameOf(constrained), 10, 10, 50, 50);

  // A bounds change resizes too; a move alone does not.
  send<void>(super, "setBounds:"_sel, CGRectMake(0, 0, 200, 100));
  expectRect(frameOf(fill), 10, 10, 180, 80);
  send<void>(super, "setCenter:"_sel, CGPointMake(500, 500));
  expectRect(frameOf(fill), 10, 10, 180, 80);
  EXPECT_EQ(g_setFrames, 2);
}

TEST(ViewGeometryDeathTest, NaNGeometryIsRefused) {
  rt::AutoreleasePool pool;
  Ref<> v = makeView(CGRectMake(0, 0, 10, 10));
  EXPECT_DEATH(send<void>(v, "setFrame:"_sel, CGRectMake(NAN, 0, 10, 10)), "CALayer position contains NaN");
}

}  // namespace
