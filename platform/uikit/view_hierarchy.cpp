#include "uikit/view_hierarchy.h"

#include <algorithm>
#include <string>

#include "foundation/values.h"
#include "quartz/animation_engine.h"
#include "uikit/view_parts.h"

namespace uikit {

UIWindow* windowOf(id view) {
  for (UIView* v = detail::asView(view); v; v = v->superview)
    if (rt::isKindOfClass(v, windowClass())) return static_cast<UIWindow*>(v);
  return nullptr;
}

namespace detail {

namespace {

std::vector<Ref<UIView>> snapshot(const UIView* v) { return v->subviews; }

// Parents before children, as UIKit tells a moving subtree.
void sendWillMoveToWindow(UIView* v, UIWindow* window) {
  send<void>(v, "willMoveToWindow:"_sel, window);
  for (const Ref<UIView>& sub : snapshot(v)) sendWillMoveToWindow(sub.get(), window);
}

void sendDidMoveToWindow(UIView* v) {
  send<void>(v, "didMoveToWindow"_sel);
  for (const Ref<UIView>& sub : snapshot(v)) sendDidMoveToWindow(sub.get());
}

// A subtree that has left its window stops animating, as UIKit does: its animations end
// unfinished before it is told where it went, so that what it starts there stays.
void stopAnimations(UIView* v) {
  quartz::removeAllAnimations(v->layer.get());
  for (const Ref<UIView>& sub : snapshot(v)) stopAnimations(sub.get());
}

bool isDescendant(const UIView* v, const UIView* ancestor) {
  for (; v; v = v->superview)
    if (v == ancestor) return true;
  return false;
}

void unlink(UIView* view) {
  auto& siblings = std::exchange(view->superview, nullptr)->subviews;
  auto at = std::find(siblings.begin(), siblings.end(), view);
  Ref<UIView> gone = std::move(*at);
  siblings.erase(at);
}

// Places `view` at `index` among the receiver's subviews, telling the view, both windows
// and both superviews as UIKit does.
void place(UIView* self, UIView* view, size_t index) {
  if (isDescendant(self, view))
    rt::fatal(std::string("-[") + class_getName(self->isa) +
              " addSubview:]: a view cannot be added to itself or to one of its subviews");
  auto keep = Ref<UIView>::retain(view);
  UIView* old = view->superview;
  if (old == self) {
    auto& subs = self->subviews;
    auto it = std::find(subs.begin(), subs.end(), view);
    size_t from = it - subs.begin();
    subs.erase(it);
    if (index > from) --index;
    subs.insert(subs.begin() + std::min(index, subs.size()), keep);
    return;
  }
  UIWindow* oldWindow = windowOf(view);
  UIWindow* newWindow = windowOf(self);
  NSInteger oldSizeClass = effectiveVerticalSizeClass(view);
  send<void>(view, "willMoveToSuperview:"_sel, self);
  if (oldWindow != newWindow) sendWillMoveToWindow(view, newWindow);
  if (old) {
    send<void>(old, "willRemoveSubview:"_sel, view);
    unlink(view);
    send<void>(old, "setNeedsLayout"_sel);
  }
  auto& subs = self->subviews;
  subs.insert(subs.begin() + std::min(index, subs.size()), keep);
  view->superview = self;
  layoutFlagsMoved(view);
  traitsMoved(view, oldSizeClass);
  if (oldWindow && oldWindow != newWindow) stopAnimations(view);
  if (oldWindow != newWindow) sendDidMoveToWindow(view);
  send<void>(view, "didMoveToSuperview"_sel);
  send<void>(self, "didAddSubview:"_sel, view);
  send<void>(self, "setNeedsLayout"_sel);
  send<void>(view, "setNeedsLayout"_sel);
}

size_t indexOf(const UIView* self, id sibling, size_t missing) {
  const auto& subs = self->subviews;
  auto it = std::find(subs.begin(), subs.end(), sibling);
  return it == subs.end() ? missing : size_t(it - subs.begin());
}

void UIView_addSubview(id self, SEL, id view) {
  if (!view) return;
  place(asView(self), asView(view), asView(self)->subviews.size());
}

void UIView_insertSubviewAtIndex(id self, SEL, id view, NSInteger index) {
  if (!view) return;
  place(asView(self), asView(view), size_t(std::max<NSInteger>(index, 0)));
}

// A sibling that is not a subview places the view at the front (above) or back (below).
void UIView_insertSubviewAboveSubview(id self, SEL, id view, id sibling) {
  if (!view) return;
  UIView* v = asView(self);
  size_t at = indexOf(v, sibling, v->subviews.size());
  place(v, asView(view), at == v->subviews.size() ? at : at + 1);
}

void UIView_insertSubviewBelowSubview(id self, SEL, id view, id sibling) {
  if (!view) return;
  place(asView(self), asView(view), indexOf(asView(self), sibling, 0));
}

void UIView_bringSubviewToFront(id self, SEL, id view) {
  if (view && asView(view)->superview == asView(self))
    place(asView(self), asView(view), asView(self)->subviews.size());
}

void UIView_sendSubviewToBack(id self, SEL, id view) {
  if (view && asView(view)->superview == asView(self)) place(asView(self), asView(view), 0);
}

void UIView_removeFromSuperview(id self, SEL) {
  UIView* view = asView(self);
  UIView* old = view->superview;
  if (!old) return;
  auto keep = Ref<UIView>::retain(view);
  UIWindow* oldWindow = windowOf(view);
  NSInteger oldSizeClass = effectiveVerticalSizeClass(view);
  send<void>(view, "willMoveToSuperview:"_sel, nil);
  if (oldWindow) sendWillMoveToWindow(view, nullptr);
  send<void>(old, "willRemoveSubview:"_sel, view);
  if (view->superview != old) return;
  unlink(view);
  layoutFlagsMoved(view);
  traitsMoved(view, oldSizeClass);
  if (oldWindow) {
    stopAnimations(view);
    sendDidMoveToWindow(view);
  }
  send<void>(view, "didMoveToSuperview"_sel);
  send<void>(old, "setNeedsLayout"_sel);
}

id UIView_superview(id self, SEL) { return asView(self)->superview; }

id UIView_subviews(id self, SEL) {
  const auto& subs = asView(self)->subviews;
  return fnd::array({subs.begin(), subs.end()});
}

id UIView_window(id self, SEL) { return windowOf(self); }

bool UIView_isDescendantOfView(id self, SEL, id view) {
  return view && isDescendant(asView(self), asView(view));
}

void UIView_ignoreView(id, SEL, id) {}
void UIView_ignore(id, SEL) {}

}  // namespace

void addHierarchyMethods(Class v) {
  using rt::addMethod;
  addMethod(v, "addSubview:"_sel, UIView_addSubview);
  addMethod(v, "insertSubview:atIndex:"_sel, UIView_insertSubviewAtIndex);
  addMethod(v, "insertSubview:aboveSubview:"_sel, UIView_insertSubviewAboveSubview);
  addMethod(v, "insertSubview:belowSubview:"_sel, UIView_insertSubviewBelowSubview);
  addMethod(v, "bringSubviewToFront:"_sel, UIView_bringSubviewToFront);
  addMethod(v, "sendSubviewToBack:"_sel, UIView_sendSubviewToBack);
  addMethod(v, "removeFromSuperview"_sel, UIView_removeFromSuperview);
  addMethod(v, "superview"_sel, UIView_superview);
  addMethod(v, "subviews"_sel, UIView_subviews);
  addMethod(v, "window"_sel, UIView_window);
  addMethod(v, "isDescendantOfView:"_sel, UIView_isDescendantOfView);
  addMethod(v, "willMoveToSuperview:"_sel, UIView_ignoreView);
  addMethod(v, "didMoveToSuperview"_sel, UIView_ignore);
  addMethod(v, "willMoveToWindow:"_sel, UIView_ignoreView);
  addMethod(v, "didMoveToWindow"_sel, UIView_ignore);
  addMethod(v, "didAddSubview:"_sel, UIView_ignoreView);
  addMethod(v, "willRemoveSubview:"_sel, UIView_ignoreView);
}

}  // namespace detail
}  // namespace uikit
