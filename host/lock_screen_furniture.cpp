#include "host/lock_screen_furniture.h"

#include "foundation/values.h"
#include "host/appearance.h"
#include "host/class_helpers.h"
#include "host/host_geometry.h"

namespace lv::host {

namespace {

using namespace geometry;

// A view of the host's class, or a plain view when the host lacks it; it passes touches by.
Ref<> makeFurniture(const char* name, CGRect frame, NSUInteger autoresizing) {
  Ref<> view = makeView(objc_getClass(name) ? name : "UIView", frame);
  send<void>(view, "setUserInteractionEnabled:"_sel, BOOL(false));
  send<void>(view, "setAutoresizingMask:"_sel, autoresizing);
  return view;
}

void addStatusBar(id window, CGSize size) {
  Ref<> bar = makeFurniture("SBStatusBarView", statusBarFrame(size),
                            UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleBottomMargin);
  Ref<> time = appearance::addLabel(bar.get(), 15, UIFontWeightSemibold, appearance::color(appearance::kLightText));
  send<void>(time, "setText:"_sel, fnd::string(appearance::kClockText));
  setFrame(time.get(), statusTimeFrame());
  Ref<> indicators = makeFurniture("SBStatusBarIndicatorsView", statusIndicatorsFrame(size.width),
                                   UIViewAutoresizingFlexibleLeftMargin);
  addSubview(bar.get(), indicators.get());
  addSubview(window, bar.get());
}

void addQuickAction(id window, CGSize size, NSInteger action) {
  bool right = action == CSQuickActionCamera;
  NSUInteger corner = UIViewAutoresizingFlexibleTopMargin |
                      (right ? UIViewAutoresizingFlexibleLeftMargin : UIViewAutoresizingFlexibleRightMargin);
  Ref<> button = makeFurniture("CSQuickActionButton", quickActionFrame(size, right), corner);
  appearance::fillRounded(button.get(), appearance::kFocusPill, kQuickActionSize / 2);
  if (class_respondsToSelector(object_getClass(button.get()), "setAction:"_sel))
    send<void>(button, "setAction:"_sel, action);
  addSubview(window, button.get());
}

}  // namespace

}  // namespace lv::host

void lv::host::addLockScreenFurniture(id window, const DeviceProfile& profile) {
  CGSize size = boundsOf(window).size;
  addStatusBar(window, size);
  if (profile.homeButton) return;
  if (profile.hasTorch) addQuickAction(window, size, CSQuickActionTorch);
  addQuickAction(window, size, CSQuickActionCamera);
  Ref<> indicator = makeFurniture("CSHomeAffordanceView", homeIndicatorFrame(size),
                                  UIViewAutoresizingFlexibleTopMargin | UIViewAutoresizingFlexibleLeftMargin |
                                      UIViewAutoresizingFlexibleRightMargin);
  appearance::fillRounded(indicator.get(), appearance::kHomeIndicator, kHomeIndicatorHeight / 2);
  addSubview(window, indicator.get());
}

void lv::host::registerSBStatusBarView() { rt::defineClass<UIView>("SBStatusBarView", "UIView"); }

void lv::host::registerSBStatusBarIndicatorsView() { rt::defineClass<UIView>("SBStatusBarIndicatorsView", "UIView"); }

void lv::host::registerCSQuickActionButton() {
  Class cls = rt::defineClass<CSQuickActionButton>("CSQuickActionButton", "UIView");
  rt::addFieldProperty<&CSQuickActionButton::action>(cls, "action"_sel, "setAction:"_sel);
}

void lv::host::registerCSHomeAffordanceView() { rt::defineClass<UIView>("CSHomeAffordanceView", "UIView"); }
