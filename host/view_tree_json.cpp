#include "host/view_tree_json.h"

#include <cmath>
#include <string>

#include "foundation/values.h"
#include "quartz/gradient_layer.h"
#include "uikit/scroll_view.h"
#include "uikit/view.h"
#include "uikit/view_animation.h"

namespace host {

namespace {

using Json = nlohmann::ordered_json;

Json rectJson(CGRect r) {
  return {reportNumber(r.origin.x), reportNumber(r.origin.y), reportNumber(r.size.width),
          reportNumber(r.size.height)};
}

Json pointJson(CGPoint p) { return {reportNumber(p.x), reportNumber(p.y)}; }

Json transformJson(CGAffineTransform t) {
  return {reportNumber(t.a), reportNumber(t.b), reportNumber(t.c),
          reportNumber(t.d), reportNumber(t.tx), reportNumber(t.ty)};
}

Json classNameOrNull(id obj) {
  if (!obj) return nullptr;
  return class_getName(object_getClass(obj));
}

bool responds(id obj, SEL sel) { return class_respondsToSelector(object_getClass(obj), sel); }

Json maskJson(const CALayer* layer) {
  if (!layer->mask) return nullptr;
  Json locations = Json::array();
  if (rt::isKindOfClass(layer->mask, objc_getClass("CAGradientLayer")))
    if (id list = static_cast<CAGradientLayer*>(layer->mask.get())->locations.get())
      for (id n : fnd::arrayItems(list)) locations.push_back(reportNumber(send<double>(n, "doubleValue"_sel)));
  return {{"class", classNameOrNull(layer->mask)}, {"locations", locations}};
}

// Object properties declared on the view's classes (the library adds these), with the
// class of what each holds.
Json propertiesJson(id view) {
  Json properties = Json::object();
  for (Class c = object_getClass(view); c; c = class_getSuperclass(c)) {
    for (const auto& p : c->properties) {
      bool isObject = false;
      for (const auto& [name, value] : p->attributes)
        if (name == "T" && value.starts_with("@")) isObject = true;
      SEL getter = sel_registerName(p->name.c_str());
      if (!isObject || properties.contains(p->name) || !responds(view, getter)) continue;
      properties[p->name] = classNameOrNull(send<id>(view, getter));
    }
  }
  return properties;
}

Json presentationJson(id view, bool scrolls) {
  Json presentation = {{"frame", rectJson(uikit::presentationFrame(view))},
                       {"alpha", reportNumber(uikit::presentationAlpha(view))},
                       {"transform", transformJson(uikit::presentationTransform(view))}};
  if (scrolls) presentation["contentOffset"] = pointJson(uikit::presentationContentOffset(view));
  return presentation;
}

}  // namespace

double reportNumber(double value) {
  double rounded = std::round(value * 1e6) / 1e6;
  return rounded == 0 ? 0 : rounded;
}

Json viewTreeJson(id view) {
  const auto* v = static_cast<const UIView*>(view);
  const CALayer* layer = v->layer.get();
  bool scrolls = rt::isKindOfClass(view, objc_getClass("UIScrollView"));
  Json json = {{"class", classNameOrNull(view)},
               {"frame", rectJson(send<CGRect>(view, "frame"_sel))},
               {"windowFrame", rectJson(send<CGRect>(view, "convertRect:toView:"_sel, send<CGRect>(view, "bounds"_sel), nil))},
               {"hidden", layer->hidden},
               {"alpha", reportNumber(layer->opacity)},
               {"transform", transformJson(layer->transform)},
               {"cornerRadius", reportNumber(layer->cornerRadius)},
               {"maskedCorners", layer->maskedCorners},
               {"clipsToBounds", layer->masksToBounds}};
  if (responds(view, "text"_sel)) {
    id text = send<id>(view, "text"_sel);
    json["text"] = text ? Json(fnd::utf8(text)) : Json(nullptr);
  }
  if (scrolls) {
    json["contentOffset"] = pointJson(send<CGPoint>(view, "contentOffset"_sel));
    json["contentSize"] = {reportNumber(static_cast<const UIScrollView*>(v)->contentSize.width),
                           reportNumber(static_cast<const UIScrollView*>(v)->contentSize.height)};
  }
  json["mask"] = maskJson(layer);
  if (!layer->animations.empty()) json["presentation"] = presentationJson(view, scrolls);
  json["properties"] = propertiesJson(view);
  Json subviews = Json::array();
  for (UIView* sub : v->subviews) subviews.push_back(viewTreeJson(sub));
  json["subviews"] = std::move(subviews);
  return json;
}

}  // namespace host
