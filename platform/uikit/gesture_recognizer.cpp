#include "uikit/gesture_recognizer.h"

#include <algorithm>
#include <cstring>

#include "foundation/values.h"
#include "runtime/class_setup.h"

namespace {

Class g_recognizer, g_tap, g_list;

UIGestureRecognizer* asRecognizer(id r) { return static_cast<UIGestureRecognizer*>(r); }

// The recognisers of one view, hung on it as an associated object so that they go
// with it; they forget the view when it lets them go.
struct GestureList : objc_object {
  std::vector<Ref<>> recognizers;
  ~GestureList() {
    for (Ref<>& r : recognizers) asRecognizer(r.get())->view = nil;
  }
};

const char kListKey = 0;

GestureList* listOf(id view) {
  return static_cast<GestureList*>(objc_getAssociatedObject(view, &kListKey));
}

id UIGestureRecognizer_initWithTargetAction(id self, SEL, id target, SEL action) {
  self = sendSuper<id>(g_recognizer->superclass, self, "init"_sel);
  if (self && target && action) asRecognizer(self)->targets.push_back({target, action});
  return self;
}

void UIGestureRecognizer_addTargetAction(id self, SEL, id target, SEL action) {
  if (!target || !action) return;
  auto& targets = asRecognizer(self)->targets;
  for (const auto& t : targets)
    if (t.target == target && t.action == action) return;
  targets.push_back({target, action});
}

void UIGestureRecognizer_removeTargetAction(id self, SEL, id target, SEL action) {
  auto& targets = asRecognizer(self)->targets;
  targets.erase(std::remove_if(targets.begin(), targets.end(),
                               [&](const UIGestureRecognizer::Target& t) {
                                 return (!target || t.target == target) &&
                                        (!action || t.action == action);
                               }),
                targets.end());
}

id UIGestureRecognizer_view(id self, SEL) { return asRecognizer(self)->view; }
NSInteger UIGestureRecognizer_state(id self, SEL) { return asRecognizer(self)->state; }
bool UIGestureRecognizer_isEnabled(id self, SEL) { return asRecognizer(self)->enabled; }
void UIGestureRecognizer_setEnabled(id self, SEL, bool enabled) { asRecognizer(self)->enabled = enabled; }

CGPoint UIGestureRecognizer_locationInView(id self, SEL, id view) {
  UIGestureRecognizer* r = asRecognizer(self);
  if (!view || !r->view || view == r->view) return r->location;
  return send<CGPoint>(view, "convertPoint:fromView:"_sel, r->location, r->view);
}

void UIView_removeGestureRecognizer(id self, SEL, id recognizer) {
  GestureList* list = listOf(self);
  if (!list || !recognizer || asRecognizer(recognizer)->view != self) return;
  auto keep = Ref<>::retain(recognizer);
  auto& all = list->recognizers;
  all.erase(std::remove_if(all.begin(), all.end(), [&](const Ref<>& r) { return r.get() == recognizer; }),
            all.end());
  asRecognizer(recognizer)->view = nil;
}

// A recogniser belongs to one view at a time: adding it elsewhere moves it.
void UIView_addGestureRecognizer(id self, SEL, id recognizer) {
  if (!recognizer || !rt::isKindOfClass(recognizer, g_recognizer)) return;
  UIGestureRecognizer* r = asRecognizer(recognizer);
  if (r->view == self) return;
  auto keep = Ref<>::retain(recognizer);
  if (r->view) UIView_removeGestureRecognizer(r->view, nullptr, recognizer);
  GestureList* list = listOf(self);
  if (!list) {
    Ref<> made = rt::create(g_list);
    objc_setAssociatedObject(self, &kListKey, made.get(), OBJC_ASSOCIATION_RETAIN_NONATOMIC);
    list = static_cast<GestureList*>(made.get());
  }
  list->recognizers.push_back(keep);
  r->view = self;
}

id UIView_gestureRecognizers(id self, SEL) {
  GestureList* list = listOf(self);
  if (!list || list->recognizers.empty()) return nil;
  return fnd::array(list->recognizers);
}

}  // namespace

namespace uikit {

std::vector<Ref<>> tapRecognizers(id view) {
  std::vector<Ref<>> taps;
  if (GestureList* list = view ? listOf(view) : nullptr)
    for (const Ref<>& r : list->recognizers)
      if (asRecognizer(r.get())->enabled && rt::isKindOfClass(r.get(), g_tap)) taps.push_back(r);
  return taps;
}

void recognizeTap(id recognizer, id touch) {
  auto keep = Ref<>::retain(recognizer);
  UIGestureRecognizer* r = asRecognizer(recognizer);
  r->location = send<CGPoint>(touch, "locationInView:"_sel, r->view);
  r->state = UIGestureRecognizerStateEnded;
  // An action may add or remove targets; the ones present now are sent.
  std::vector<UIGestureRecognizer::Target> targets = r->targets;
  for (const auto& t : targets) {
    rt::DeliveryMark mark(rt::TraceKind::Action, t.action);
    const char* name = sel_getName(t.action);
    if (std::strchr(name, ':'))
      send<void>(t.target, t.action, recognizer);
    else
      send<void>(t.target, t.action);
  }
  r->state = UIGestureRecognizerStatePossible;
}

namespace {

void registerGestureClasses() {
  using rt::addMethod;
  g_list = rt::defineClass<GestureList>("_UIViewGestureList", "NSObject");
  g_recognizer = rt::defineClass<UIGestureRecognizer>("UIGestureRecognizer", "NSObject");
  addMethod(g_recognizer, "initWithTarget:action:"_sel, UIGestureRecognizer_initWithTargetAction);
  addMethod(g_recognizer, "addTarget:action:"_sel, UIGestureRecognizer_addTargetAction);
  addMethod(g_recognizer, "removeTarget:action:"_sel, UIGestureRecognizer_removeTargetAction);
  addMethod(g_recognizer, "view"_sel, UIGestureRecognizer_view);
  addMethod(g_recognizer, "state"_sel, UIGestureRecognizer_state);
  addMethod(g_recognizer, "isEnabled"_sel, UIGestureRecognizer_isEnabled);
  addMethod(g_recognizer, "setEnabled:"_sel, UIGestureRecognizer_setEnabled);
  addMethod(g_recognizer, "locationInView:"_sel, UIGestureRecognizer_locationInView);
  g_tap = rt::defineClass<UITapGestureRecognizer>("UITapGestureRecognizer", "UIGestureRecognizer");

  Class view = objc_getClass("UIView");
  addMethod(view, "addGestureRecognizer:"_sel, UIView_addGestureRecognizer);
  addMethod(view, "removeGestureRecognizer:"_sel, UIView_removeGestureRecognizer);
  addMethod(view, "gestureRecognizers"_sel, UIView_gestureRecognizers);
}

LV_CLASS_SETUP(registerGestureClasses, "UIView");

}  // namespace

}  // namespace uikit
