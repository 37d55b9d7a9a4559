#include "host/view_snapshot.h"

#include <algorithm>

#include "foundation/values.h"
#include "quartz/gradient_layer.h"
#include "uikit/scroll_view.h"
#include "uikit/view.h"
#include "uikit/view_animation.h"

namespace {

std::optional<std::string> classNameOrNil(id obj) {
  if (!obj) return std::nullopt;
  return class_getName(object_getClass(obj));
}

bool responds(id obj, SEL sel) { return class_respondsToSelector(object_getClass(obj), sel); }

std::optional<lv::host::MaskSnapshot> maskSnapshot(const CALayer* layer) {
  if (!layer->mask) return std::nullopt;
  lv::host::MaskSnapshot mask{class_getName(object_getClass(layer->mask)), {}};
  if (rt::isKindOfClass(layer->mask, objc_getClass("CAGradientLayer")))
    if (id list = static_cast<CAGradientLayer*>(layer->mask.get())->locations.get())
      for (id n : fnd::arrayItems(list)) mask.locations.push_back(send<double>(n, "doubleValue"_sel));
  return mask;
}

bool hasProperty(const lv::host::ViewSnapshot& snapshot, const std::string& name) {
  return std::ranges::any_of(snapshot.properties, [&](const auto& p) { return p.first == name; });
}

// Object properties declared on the view's classes (the library adds these), with the
// class of what each holds.
void addProperties(lv::host::ViewSnapshot& snapshot, id view) {
  for (Class c = object_getClass(view); c; c = class_getSuperclass(c)) {
    for (const auto& p : c->properties) {
      bool isObject = false;
      for (const auto& [name, value] : p->attributes)
        if (name == "T" && value.starts_with("@")) isObject = true;
      SEL getter = sel_registerName(p->name.c_str());
      if (!isObject || hasProperty(snapshot, p->name) || !responds(view, getter)) continue;
      snapshot.properties.emplace_back(p->name, classNameOrNil(send<id>(view, getter)));
    }
  }
}

lv::host::PresentationSnapshot presentationSnapshot(id view, bool scrolls) {
  lv::host::PresentationSnapshot presentation{uikit::presentationFrame(view), uikit::presentationAlpha(view),
                                          uikit::presentationTransform(view), std::nullopt};
  if (scrolls) presentation.contentOffset = uikit::presentationContentOffset(view);
  return presentation;
}

lv::host::ViewSnapshot snapshotTree(id view, std::string path) {
  const auto* v = static_cast<const UIView*>(view);
  const CALayer* layer = v->layer.get();
  bool scrolls = rt::isKindOfClass(view, objc_getClass("UIScrollView"));
  lv::host::ViewSnapshot snapshot{
      .id = path,
      .className = class_getName(object_getClass(view)),
      .frame = send<CGRect>(view, "frame"_sel),
      .windowFrame = send<CGRect>(view, "convertRect:toView:"_sel, send<CGRect>(view, "bounds"_sel), nil),
      .hidden = layer->hidden,
      .alpha = layer->opacity,
      .transform = layer->transform,
      .cornerRadius = layer->cornerRadius,
      .maskedCorners = layer->maskedCorners,
      .clipsToBounds = layer->masksToBounds,
  };
  if (responds(view, "text"_sel)) {
    snapshot.hasText = true;
    if (id text = send<id>(view, "text"_sel)) snapshot.text = fnd::utf8(text);
  }
  if (scrolls)
    snapshot.scroll = lv::host::ScrollSnapshot{send<CGPoint>(view, "contentOffset"_sel),
                                     static_cast<const UIScrollView*>(v)->contentSize};
  snapshot.mask = maskSnapshot(layer);
  if (!layer->animations.empty()) snapshot.presentation = presentationSnapshot(view, scrolls);
  addProperties(snapshot, view);
  for (size_t i = 0; i < v->subviews.size(); ++i)
    snapshot.subviews.push_back(snapshotTree(v->subviews[i], path + "/" + std::to_string(i)));
  return snapshot;
}

}  // namespace

lv::host::ViewSnapshot lv::host::snapshotView(id window) { return snapshotTree(window, "0"); }
