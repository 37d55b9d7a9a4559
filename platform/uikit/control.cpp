#include "uikit/control.h"

#include "runtime/accessors.h"
#include "runtime/class_setup.h"

namespace {

bool UIControl_beginTracking(id, SEL, id, id) { return true; }
bool UIControl_continueTracking(id, SEL, id, id) { return true; }
void UIControl_endTracking(id, SEL, id, id) {}
void UIControl_cancelTracking(id, SEL, id) {}

bool touchIsInside(UIControl* control, id touch, id event) {
  CGPoint p = send<CGPoint>(touch, "locationInView:"_sel, static_cast<id>(control));
  return send<bool>(control, "pointInside:withEvent:"_sel, p, event);
}

}  // namespace

namespace uikit {

void controlTouchBegan(UIControl* control, id touch, id event) {
  auto keep = Ref<UIControl>::retain(control);
  control->touchInside = true;
  control->tracking = send<bool>(control, "beginTrackingWithTouch:withEvent:"_sel, touch, event);
}

// A control that answers NO stops tracking this touch.
void controlTouchMoved(UIControl* control, id touch, id event) {
  auto keep = Ref<UIControl>::retain(control);
  control->touchInside = touchIsInside(control, touch, event);
  if (control->tracking)
    control->tracking = send<bool>(control, "continueTrackingWithTouch:withEvent:"_sel, touch, event);
}

void controlTouchEnded(UIControl* control, id touch, id event) {
  auto keep = Ref<UIControl>::retain(control);
  control->touchInside = touchIsInside(control, touch, event);
  if (control->tracking) send<void>(control, "endTrackingWithTouch:withEvent:"_sel, touch, event);
  control->tracking = false;
  control->touchInside = false;
}

void controlTouchCancelled(UIControl* control, id event) {
  auto keep = Ref<UIControl>::retain(control);
  if (control->tracking) send<void>(control, "cancelTrackingWithEvent:"_sel, event);
  control->tracking = false;
  control->touchInside = false;
}

namespace {

void registerControlClasses() {
  using rt::addMethod;
  Class c = objc_getClass("UIControl");
  rt::addFieldProperty<&UIControl::enabled>(c, "isEnabled"_sel, "setEnabled:"_sel);
  addMethod(c, "isTracking"_sel, rt::fieldGetter<&UIControl::tracking>);
  addMethod(c, "isTouchInside"_sel, rt::fieldGetter<&UIControl::touchInside>);
  addMethod(c, "beginTrackingWithTouch:withEvent:"_sel, UIControl_beginTracking);
  addMethod(c, "continueTrackingWithTouch:withEvent:"_sel, UIControl_continueTracking);
  addMethod(c, "endTrackingWithTouch:withEvent:"_sel, UIControl_endTracking);
  addMethod(c, "cancelTrackingWithEvent:"_sel, UIControl_cancelTracking);
}

LV_CLASS_SETUP(registerControlClasses, "UIControl");

}  // namespace

}  // namespace uikit
