#include "host/view_snapshot.h"

#include <algorithm>

#include "foundation/values.h"
#include "host/view_outlets.h"
#include "quartz/gradient_layer.h"
#include "uikit/font.h"
#include "uikit/label.h"
#include "uikit/scroll_view.h"
#include "uikit/view.h"
#include "uikit/view_animation.h"

namespace {

bool responds(id obj, SEL sel) { return class_respondsToSelector(object_getClass(obj), sel); }

std::optional<lv::host::MaskSnapshot> maskSnapshot(const CALayer* layer) {
  if (!layer->mask) return std::nullopt;
  lv::host::MaskSnapshot mask{class_getName(object_getClass(layer->mask.get())), {}};
  if (rt::isKindOfClass(layer->mask.get(), objc_getClass("CAGradientLayer")))
    if (id list = static_cast<CAGradientLayer*>(layer->mask.get())->locations.get())
      for (const Ref<>& n : fnd::arrayItems(list)) mask.locations.push_back(send<double>(n, "doubleValue"_sel));
  return mask;
}

bool hasProperty(const lv::host::ViewSnapshot& snapshot, const std::string& name) {
  return std::ranges::any_of(snapshot.properties, [&](const auto& p) { return p.first == name; });
}

// Object properties declared on the view's classes (the library adds these), with what
// each holds.
void addProperties(lv::host::ViewSnapshot& snapshot, id view, const lv::host::ViewIds& ids) {
  for (Class c = object_getClass(view); c; c = class_getSuperclass(c)) {
    for (const auto& p : c->properties) {
      bool isObject = false;
      for (const auto& [name, value] : p->attributes)
        if (name == "T" && value.starts_with("@")) isObject = true;
      SEL getter = sel_registerName(p->name.c_str());
      if (!isObject || hasProperty(snapshot, p->name) || !responds(view, getter) || lv::host::isOutletProperty(p.get()))
        continue;
      snapshot.properties.emplace_back(p->name, ids.describe(send<id>(view, getter)));
    }
  }
}

lv::host::TextLooks textLooks(const UILabel& label) {
  const auto* font = static_cast<const UIFont*>(label.font.get());
  return {uikit::rgba(label.textColor.get()), font->fontName, font->face.pointSize,
          font->face.weight, label.textAlignment};
}

lv::host::PresentationSnapshot presentationSnapshot(id view, bool scrolls) {
  lv::host::PresentationSnapshot presentation{uikit::presentationFrame(view), uikit::presentationAlpha(view),
                                          uikit::presentationTransform(view), std::nullopt};
  if (scrolls) presentation.contentOffset = uikit::presentationContentOffset(view);
  return presentation;
}

lv::host::ViewSnapshot snapshotTree(id view, const lv::host::ViewIds& ids) {
  const auto* v = static_cast<const UIView*>(view);
  const CALayer* layer = v->layer.get();
  bool scrolls = rt::isKindOfClass(view, objc_getClass("UIScrollView"));
  lv::host::ViewSnapshot snapshot{
      .id = ids.of(view),
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
  if (layer->backgroundColor) snapshot.backgroundColor = uikit::rgba(layer->backgroundColor.get());
  if (rt::isKindOfClass(view, objc_getClass("UILabel"))) snapshot.textLooks = textLooks(*static_cast<const UILabel*>(v));
  if (scrolls)
    snapshot.scroll = lv::host::ScrollSnapshot{send<CGPoint>(view, "contentOffset"_sel),
                                     static_cast<const UIScrollView*>(v)->contentSize};
  snapshot.mask = maskSnapshot(layer);
  if (!layer->animations.empty()) snapshot.presentation = presentationSnapshot(view, scrolls);
  addProperties(snapshot, view, ids);
  for (const Ref<UIView>& sub : v->subviews) snapshot.subviews.push_back(snapshotTree(sub.get(), ids));
  return snapshot;
}

}  // namespace

lv::host::ViewSnapshot lv::host::snapshotView(id window, const ViewIds& ids) { return snapshotTree(window, ids); }
