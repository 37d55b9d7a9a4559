#include "marquee/scroll_cycle.h"

#include <UIKit/UIApplication.h>
#include <UIKit/UIView.h>

#include <cmath>

#include "bridge/block.h"
#include "bridge/methods.h"
#include "marquee/auto_scroll_label.h"
#include "marquee/label_ivars.h"

namespace lv::marquee {

namespace {

Class g_class = nullptr;

// The move may begin inside another view's animation block (a label placed by an
// animated frame change): it keeps its own duration and curve all the same.
inline constexpr NSUInteger kMoveOptions = UIViewAnimationOptionAllowUserInteraction |
                                           UIViewAnimationOptionOverrideInheritedDuration |
                                           UIViewAnimationOptionOverrideInheritedCurve;

void cancelPending(id self, SEL sel) {
  send<void>(objc_getClass("NSObject"), "cancelPreviousPerformRequestsWithTarget:selector:object:"_sel,
             self, sel, nil);
}

void scrollLabelIfNeeded(id self, SEL) {
  if (send<NSUInteger>(send<id>(self, "text"_sel), "length"_sel) == 0) return;
  double textWidth = send<CGRect>(send<id>(self, "mainLabel"_sel), "bounds"_sel).size.width;
  if (textWidth <= send<CGRect>(self, "bounds"_sel).size.width) return;

  cancelPending(self, "scrollLabelIfNeeded"_sel);
  cancelPending(self, "enableShadow"_sel);
  id scrollView = send<id>(self, "scrollView"_sel);
  send<void>(send<id>(scrollView, "layer"_sel), "removeAllAnimations"_sel);

  bool leftward = scrollDirection(self) == kScrollLeft;
  CGPoint travelled = CGPointMake(textWidth + double(labelSpacing(self)), 0);
  CGPoint rest = leftward ? CGPointMake(0, 0) : travelled;
  CGPoint end = leftward ? travelled : CGPointMake(0, 0);
  // The jump back to rest is never animated, not even inside an enclosing block.
  send<void>(objc_getClass("UIView"), "performWithoutAnimation:"_sel,
             block<void()>([scrollView, rest] { send<void>(scrollView, "setContentOffset:"_sel, rest); }));

  send<void>(self, "performSelector:withObject:afterDelay:"_sel, "enableShadow"_sel, nil,
             pauseInterval(self));

  // A speed that is zero, negative or not a number would give no meaningful duration:
  // the text then stays at rest while the pause timer runs as for any other speed.
  double speed = double(scrollSpeed(self));
  if (!(speed > 0) || std::isinf(speed)) return;
  double duration = textWidth / speed;

  // Both blocks keep the view alive until they have run. A move that ends with the view in
  // no window starts no further run: nothing shows it, and it would hold itself for ever.
  // Entering a window starts the cycle again.
  Strong keep(self);
  send<void>(objc_getClass("UIView"), "animateWithDuration:delay:options:animations:completion:"_sel,
             duration, pauseInterval(self), animationOptions(self) | kMoveOptions,
             block<void()>([keep, end] {
               send<void>(send<id>(keep, "scrollView"_sel), "setContentOffset:"_sel, end);
             }),
             block<void(bool)>([keep](bool finished) {
               scrolling(keep.get()) = false;
               send<void>(keep, "applyGradientMaskForFadeLength:enableFade:"_sel,
                          fadeLength(keep.get()), false);
               if (finished && send<id>(keep, "window"_sel))
                 send<id>(keep, "performSelector:withObject:"_sel, "scrollLabelIfNeeded"_sel, nil);
             }));
}

void enableShadow(id self, SEL) {
  scrolling(self) = true;
  send<void>(self, "applyGradientMaskForFadeLength:enableFade:"_sel, fadeLength(self), true);
}

// Leaving a window ends the move (UIKit removes the animations); the rest timer of that run
// goes with it, so that a label let go there is freed at once.
void didMoveToWindow(id self, SEL sel) {
  sendSuper<void>(g_class, self, sel);
  if (send<id>(self, "window"_sel)) {
    send<void>(self, "scrollLabelIfNeeded"_sel);
    return;
  }
  cancelPending(self, "scrollLabelIfNeeded"_sel);
  cancelPending(self, "enableShadow"_sel);
}

void observeApplicationNotifications(id self, SEL) {
  id center = send<id>(objc_getClass("NSNotificationCenter"), "defaultCenter"_sel);
  send<void>(center, "removeObserver:"_sel, self);
  send<void>(center, "addObserver:selector:name:object:"_sel, self, "scrollLabelIfNeeded"_sel,
             UIApplicationWillEnterForegroundNotification, nil);
  send<void>(center, "addObserver:selector:name:object:"_sel, self, "scrollLabelIfNeeded"_sel,
             UIApplicationDidBecomeActiveNotification, nil);
}

void onOrientationChange(id self, SEL, id) {
  // The delay is 0.1 held in single precision, then widened to double.
  double delay = double(0.1f);
  send<void>(self, "performSelector:withObject:afterDelay:"_sel, "refreshLabels"_sel, nil, delay);
  send<void>(self, "performSelector:withObject:afterDelay:"_sel, "scrollLabelIfNeeded"_sel, nil, delay);
}

}  // namespace

}  // namespace lv::marquee

void lv::marquee::registerScrollCycle(Class cls) {
  g_class = cls;
  addMethod<scrollLabelIfNeeded>(cls, "scrollLabelIfNeeded"_sel);
  addMethod<enableShadow>(cls, "enableShadow"_sel);
  addMethod<didMoveToWindow>(cls, "didMoveToWindow"_sel);
  addMethod<observeApplicationNotifications>(cls, "observeApplicationNotifications"_sel);
  addMethod<onOrientationChange>(cls, "onUIApplicationDidChangeStatusBarOrientationNotification:"_sel);
}
