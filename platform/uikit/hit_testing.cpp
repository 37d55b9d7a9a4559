// Hit testing: the deepest view that contains a point and takes touches. Every step is a
// message, so that a replaced pointInside:withEvent: or hitTest:withEvent: decides. A view
// in a view animation that does not allow user interaction takes no touch until the
// animation ends, and neither do its subviews.
#include "runtime/class_setup.h"
#include "uikit/touch.h"
#include "uikit/view.h"
#include "uikit/view_animation.h"

namespace {

// Below this a view counts as transparent and lets touches through.
constexpr CGFloat kMinimumAlpha = 0.01;

bool UIView_pointInside(id self, SEL, CGPoint point, id) {
  return CGRectContainsPoint(send<CGRect>(self, "bounds"_sel), point);
}

id UIView_hitTest(id self, SEL, CGPoint point, id event) {
  if (!send<bool>(self, "isUserInteractionEnabled"_sel) || send<bool>(self, "isHidden"_sel) ||
      send<CGFloat>(self, "alpha"_sel) < kMinimumAlpha || uikit::ignoresTouchesWhileAnimating(self))
    return nil;
  if (!send<bool>(self, "pointInside:withEvent:"_sel, point, event)) return nil;
  const std::vector<Ref<UIView>>& subviews = static_cast<UIView*>(self)->subviews;
  std::vector<Ref<UIView>> frontToBack(subviews.rbegin(), subviews.rend());
  for (const Ref<UIView>& sub : frontToBack) {
    CGPoint inSub = send<CGPoint>(self, "convertPoint:toView:"_sel, point, sub.get());
    if (id hit = send<id>(sub.get(), "hitTest:withEvent:"_sel, inSub, event)) return hit;
  }
  return self;
}

}  // namespace

namespace uikit {

namespace {

void registerHitTesting() {
  Class view = objc_getClass("UIView");
  rt::addMethod(view, "pointInside:withEvent:"_sel, UIView_pointInside);
  rt::addMethod(view, "hitTest:withEvent:"_sel, UIView_hitTest);
}

LV_CLASS_SETUP(registerHitTesting, "UIView");

}  // namespace

}  // namespace uikit
