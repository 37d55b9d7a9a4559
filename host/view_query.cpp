#include "host/view_query.h"

#include <algorithm>
#include <iterator>

#include "uikit/view.h"

namespace lv::host {

namespace {

bool shown(const UIView* v) { return !v->layer->hidden && v->layer->opacity >= 0.01f; }

bool empty(const UIView* v) { return v->layer->bounds.size.width == 0 || v->layer->bounds.size.height == 0; }

bool centredInWindow(id view) {
  UIWindow* window = uikit::windowOf(view);
  return window && CGRectContainsPoint(window->layer->bounds, pointInWindow(view, 0.5, 0.5));
}

bool takes(id view, Class cls, bool visibleOnly) {
  if (!rt::isKindOfClass(view, cls)) return false;
  return !visibleOnly || (!empty(static_cast<const UIView*>(view)) && centredInWindow(view));
}

}  // namespace

}  // namespace lv::host

id lv::host::firstViewOfClass(id root, Class cls, bool visibleOnly) {
  if (!root || !cls) return nil;
  const auto* v = static_cast<const UIView*>(root);
  if (visibleOnly && !shown(v)) return nil;
  if (takes(root, cls, visibleOnly)) return root;
  for (const Ref<UIView>& sub : v->subviews)
    if (id found = firstViewOfClass(sub.get(), cls, visibleOnly)) return found;
  return nil;
}

CGPoint lv::host::pointInWindow(id view, double fx, double fy) {
  CGRect b = send<CGRect>(view, "bounds"_sel);
  CGPoint local{b.origin.x + b.size.width * fx, b.origin.y + b.size.height * fy};
  return send<CGPoint>(view, "convertPoint:toView:"_sel, local, nil);
}

id lv::host::viewAtPoint(id root, CGPoint point) {
  const auto* v = static_cast<const UIView*>(root);
  if (!v || !shown(v)) return nil;
  bool inside = CGRectContainsPoint(v->layer->bounds, point);
  if (!inside && v->layer->masksToBounds) return nil;
  for (auto sub = v->subviews.rbegin(); sub != v->subviews.rend(); ++sub)
    if (id found = viewAtPoint(sub->get(), send<CGPoint>(root, "convertPoint:toView:"_sel, point, *sub))) return found;
  return inside && !empty(v) ? root : nil;
}

std::string lv::host::viewPath(id view) {
  const auto* v = static_cast<const UIView*>(view);
  if (!v) return "";
  if (!v->superview) return "0";
  const std::vector<Ref<UIView>>& siblings = v->superview->subviews;
  auto index = std::distance(siblings.begin(), std::find(siblings.begin(), siblings.end(), v));
  return viewPath(v->superview) + "/" + std::to_string(index);
}
