#include "uikit/touch.h"

#include "runtime/class_setup.h"


namespace {

Class g_UITouch, g_UIEvent;

UITouch* asTouch(id self) { return static_cast<UITouch*>(self); }

// A location in window coordinates, in the coordinates of `view` (nil: the window's).
CGPoint inView(UITouch* touch, CGPoint location, id view) {
  if (!view || !touch->window) return location;
  return send<CGPoint>(touch->window.get(), "convertPoint:toView:"_sel, location, view);
}

CGPoint UITouch_locationInView(id self, SEL, id view) {
  return inView(asTouch(self), asTouch(self)->location, view);
}
CGPoint UITouch_previousLocationInView(id self, SEL, id view) {
  return inView(asTouch(self), asTouch(self)->previousLocation, view);
}
id UITouch_view(id self, SEL) { return asTouch(self)->view.get(); }
id UITouch_window(id self, SEL) { return asTouch(self)->window.get(); }
NSInteger UITouch_phase(id self, SEL) { return asTouch(self)->phase; }
NSUInteger UITouch_tapCount(id self, SEL) { return asTouch(self)->tapCount; }
double UITouch_timestamp(id self, SEL) { return asTouch(self)->timestamp; }

id UIEvent_allTouches(id self, SEL) {
  id set = send<id>(objc_getClass("NSMutableSet"), "setWithCapacity:"_sel, NSUInteger(1));
  for (const Ref<>& touch : static_cast<UIEvent*>(self)->touches)
    send<void>(set, "addObject:"_sel, touch.get());
  return set;
}
NSInteger UIEvent_type(id, SEL) { return 0; }  // UIEventTypeTouches
double UIEvent_timestamp(id self, SEL) { return static_cast<UIEvent*>(self)->timestamp; }

}  // namespace

namespace uikit {

Ref<UITouch> makeTouch(id view, id window, CGPoint location, double timestamp) {
  auto touch = Ref<UITouch>::adopt(static_cast<UITouch*>(rt::allocateInstance(g_UITouch)));
  touch->view = Ref<>::retain(view);
  touch->window = Ref<>::retain(window);
  touch->location = touch->previousLocation = location;
  touch->timestamp = timestamp;
  return touch;
}

Ref<UIEvent> makeEvent(id touch, double timestamp) {
  auto event = Ref<UIEvent>::adopt(static_cast<UIEvent*>(rt::allocateInstance(g_UIEvent)));
  event->touches.push_back(Ref<>::retain(touch));
  event->timestamp = timestamp;
  return event;
}

namespace {

void registerTouchClasses() {
  using rt::addMethod;
  g_UITouch = rt::defineClass<UITouch>("UITouch", "NSObject");
  addMethod(g_UITouch, "locationInView:"_sel, UITouch_locationInView);
  addMethod(g_UITouch, "previousLocationInView:"_sel, UITouch_previousLocationInView);
  addMethod(g_UITouch, "view"_sel, UITouch_view);
  addMethod(g_UITouch, "window"_sel, UITouch_window);
  addMethod(g_UITouch, "phase"_sel, UITouch_phase);
  addMethod(g_UITouch, "tapCount"_sel, UITouch_tapCount);
  addMethod(g_UITouch, "timestamp"_sel, UITouch_timestamp);
  g_UIEvent = rt::defineClass<UIEvent>("UIEvent", "NSObject");
  addMethod(g_UIEvent, "allTouches"_sel, UIEvent_allTouches);
  addMethod(g_UIEvent, "type"_sel, UIEvent_type);
  addMethod(g_UIEvent, "timestamp"_sel, UIEvent_timestamp);
}

LV_CLASS_SETUP(registerTouchClasses);

}  // namespace

}  // namespace uikit
