// The fade is a gradient layer installed as the mask of the view's own layer, rebuilt at
// every call.
#include "marquee/fade_mask.h"

#include <CoreGraphics/CGGeometry.h>

#include <algorithm>

#include "bridge/methods.h"
#include "bridge/values.h"
#include "marquee/auto_scroll_label.h"
#include "marquee/label_ivars.h"

namespace lv::marquee {

namespace {

struct FadeStops {
  double inner;  // where the left fade ends
  double outer;  // where the right fade starts
};

// Both edges fade while moving; at rest a leftward label keeps its left edge crisp, a
// rightward one fades nowhere, any other direction fades both. `p` is the fade's share
// of the width: two fades take at most half each, so that their stops never cross; a
// single one may take the whole width.
FadeStops stopsFor(double p, bool fade, NSInteger direction) {
  double single = std::min(p, 1.0), half = std::min(p, 0.5);
  if (fade) return {half, 1 - half};
  if (direction == kScrollLeft) return {0, 1 - single};
  if (direction == kScrollRight) return {0, 1};
  return {half, 1 - half};
}

void applyGradientMask(id self, SEL, double fadeLength, bool fade) {
  double textWidth = send<CGRect>(send<id>(self, "mainLabel"_sel), "bounds"_sel).size.width;
  CGRect bounds = send<CGRect>(self, "bounds"_sel);
  double viewWidth = bounds.size.width;
  // A negative or undefined length is no fade.
  double length = textWidth > viewWidth && fadeLength > 0 ? fadeLength : 0;
  id layer = send<id>(self, "layer"_sel);
  if (length == 0) {
    send<void>(layer, "setMask:"_sel, nil);
    return;
  }

  id gradient = send<id>(objc_getClass("CAGradientLayer"), "layer"_sel);
  send<void>(gradient, "setBounds:"_sel, send<CGRect>(layer, "bounds"_sel));
  send<void>(gradient, "setPosition:"_sel, CGPointMake(CGRectGetMidX(bounds), CGRectGetMidY(bounds)));
  send<void>(gradient, "setShouldRasterize:"_sel, true);
  id screen = send<id>(objc_getClass("UIScreen"), "mainScreen"_sel);
  send<void>(gradient, "setRasterizationScale:"_sel, send<CGFloat>(screen, "scale"_sel));

  double midY = CGRectGetMidY(send<CGRect>(self, "frame"_sel));
  send<void>(gradient, "setStartPoint:"_sel, CGPointMake(0, midY));
  send<void>(gradient, "setEndPoint:"_sel, CGPointMake(1, midY));

  Class colorClass = objc_getClass("UIColor");
  id clear = send<id>(send<id>(colorClass, "clearColor"_sel), "CGColor"_sel);
  id black = send<id>(send<id>(colorClass, "blackColor"_sel), "CGColor"_sel);
  send<void>(gradient, "setColors:"_sel, array({clear, black, black, clear}));

  FadeStops stops = stopsFor(length / viewWidth, fade, scrollDirection(self));
  send<void>(gradient, "setLocations:"_sel,
             array({number(0.0), number(stops.inner), number(stops.outer),
                         number(1.0)}));

  Class transaction = objc_getClass("CATransaction");
  send<void>(transaction, "begin"_sel);
  send<void>(transaction, "setDisableActions:"_sel, true);
  send<void>(layer, "setMask:"_sel, gradient);
  send<void>(transaction, "commit"_sel);
}

}  // namespace

}  // namespace lv::marquee

void lv::marquee::registerFadeMask(Class cls) {
  addMethod<applyGradientMask>(cls, "applyGradientMaskForFadeLength:enableFade:"_sel);
}
