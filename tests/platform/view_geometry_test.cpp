#include <gtest/gtest.h>

#include <cmath>

#include "uikit/view.h"
#include "view_support.h"

using namespace testing_support;

namespace {

void expectRect(CGRect r, double x, double y, double w, double h) {
  const double got[] = {r.origin.x, r.origin.y, r.size.width, r.size.height}, want[] = {x, y, w, h};
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-9) << "component " << i;
}

TEST(ViewGeometry, FrameBoundsCentreAndTransformStayConsistentUnderScaleAndRotation) {
  Ref<> v = makeView(CGRectMake(10, 20, 100, 50));
  send<void>(v, "setTransform:"_sel, CGAffineTransformScale(CGAffineTransformIdentity, 2, 0.5));
  expectRect(frameOf(v.get()), -40, 32.5, 200, 25);
  expectRect(send<CGRect>(v, "bounds"_sel), 0, 0, 100, 50);
  EXPECT_EQ(send<CGPoint>(v, "center"_sel), CGPointMake(60, 45));

  // Setting the frame under a scale sets the centre and a bounds size that the scale maps
  // onto the frame.
  send<void>(v, "setFrame:"_sel, CGRectMake(0, 0, 300, 100));
  EXPECT_EQ(send<CGPoint>(v, "center"_sel), CGPointMake(150, 50));
  expectRect(send<CGRect>(v, "bounds"_sel), 0, 0, 150, 200);
  expectRect(frameOf(v.get()), 0, 0, 300, 100);

  send<void>(v, "setTransform:"_sel, CGAffineTransformIdentity);
  expectRect(frameOf(v.get()), 75, -50, 150, 200);

  // Under a rotation the frame is the bounding box.
  send<void>(v, "setFrame:"_sel, CGRectMake(0, 0, 100, 50));
  send<void>(v, "setTransform:"_sel, CGAffineTransformMakeRotation(M_PI / 2));
  expectRect(frameOf(v.get()), 25, -25, 50, 100);
  send<void>(v, "setTransform:"_sel, CGAffineTransformMakeRotation(M_PI / 4));
  double side = 150 / std::sqrt(2.0);
  expectRect(frameOf(v.get()), 50 - side / 2, 25 - side / 2, side, side);
}

TEST(ViewGeometry, BoundsOriginShiftsSubviewsAndConversions) {
  Ref<> window = makeView(CGRectMake(0, 0, 400, 800), "UIWindow");
  Ref<> outer = addChild(window.get(), CGRectMake(50, 100, 200, 200)), inner = addChild(outer.get(), CGRectMake(10, 10, 50, 50));
  send<void>(outer, "setBounds:"_sel, CGRectMake(5, 0, 200, 200));
  EXPECT_EQ(send<CGPoint>(inner, "convertPoint:toView:"_sel, CGPointMake(0, 0), nil), CGPointMake(55, 110));
  EXPECT_EQ(send<CGPoint>(window, "convertPoint:toView:"_sel, CGPointMake(55, 110), inner.get()), CGPointMake(0, 0));

  // A scale about the outer view's centre doubles distances from it.
  send<void>(outer, "setTransform:"_sel, CGAffineTransformMakeScale(2, 2));
  CGPoint p = send<CGPoint>(inner, "convertPoint:toView:"_sel, CGPointMake(0, 0), window.get());
  CGPoint back = send<CGPoint>(inner, "convertPoint:fromView:"_sel, p, window.get());
  expectRect({p, {back.x, back.y}}, 150 - 2 * 95, 200 - 2 * 90, 0, 0);
  expectRect(send<CGRect>(inner, "convertRect:toView:"_sel, CGRectMake(0, 0, 50, 50), window.get()),
             -40, 20, 100, 100);
  expectRect(send<CGRect>(window, "convertRect:toView:"_sel, CGRectMake(-40, 20, 100, 100), inner.get()),
             0, 0, 50, 50);
}

TEST(ViewGeometry, AutoresizingFollowsTheSuperviewsResizeThroughSetFrame) {
  Ref<> super = makeView(CGRectMake(0, 0, 200, 100));
  Ref<> fill = addChild(super.get(), CGRectMake(10, 10, 180, 80), geometryRecorderClass());
  send<void>(fill, "setAutoresizingMask:"_sel, 18UL);
  // Masks of 50-point views at x 10. With both margins flexible (5) the extra 100 points
  // go 10:140 between them; a view laid out by constraints stays.
  const struct { unsigned long mask; bool constrained; double x; } cases[] = {
      {1, false, 110}, {5, false, 10 + 100 * 10.0 / 150}, {0, false, 10}, {18, true, 10}};
  std::vector<Ref<>> views;
  for (const auto& c : cases) {
    views.push_back(addChild(super.get(), CGRectMake(10, 10, 50, 50)));
    send<void>(views.back(), "setAutoresizingMask:"_sel, c.mask);
    send<void>(views.back(), "setTranslatesAutoresizingMaskIntoConstraints:"_sel, !c.constrained);
  }
  takeEvents();
  send<void>(super, "setFrame:"_sel, CGRectMake(0, 0, 300, 150));
  EXPECT_EQ(takeEvents(), Events{"setFrame:"});
  expectRect(frameOf(fill.get()), 10, 10, 280, 130);
  for (size_t i = 0; i < views.size(); ++i) expectRect(frameOf(views[i].get()), cases[i].x, 10, 50, 50);

  // A bounds change resizes too; a move alone does not.
  send<void>(super, "setBounds:"_sel, CGRectMake(0, 0, 200, 100));
  expectRect(frameOf(fill.get()), 10, 10, 180, 80);
  send<void>(super, "setCenter:"_sel, CGPointMake(500, 500));
  expectRect(frameOf(fill.get()), 10, 10, 180, 80);
  EXPECT_EQ(takeEvents(), Events{"setFrame:"});
  EXPECT_DEATH(send<void>(fill, "setFrame:"_sel, CGRectMake(NAN, 0, 10, 10)), "CALayer position contains NaN");
}

}  // namespace
