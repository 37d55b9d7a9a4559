#include "render/gradient_layer_rule.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "foundation/values.h"
#include "quartz/gradient_layer.h"
#include "render/hasher.h"
#include "uikit/color.h"

namespace lv::render {

namespace {

struct Stop {
  double offset;
  uikit::RGBA color;
};

bool isColor(id value) {
  return rt::isKindOfClass(value, objc_getClass("CGColor")) ||
         rt::isKindOfClass(value, objc_getClass("UIColor"));
}

double offsetOf(id location) {
  if (!location || !class_respondsToSelector(location->isa, "doubleValue"_sel)) return 0;
  double v = send<double>(location, "doubleValue"_sel);
  return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0;
}

// Locations that do not match the colours one for one spread the colours evenly; items
// that are not colours are passed over.
std::vector<Stop> stopsOf(const CAGradientLayer* g) {
  std::vector<Stop> stops;
  if (!g->colors) return stops;
  const std::vector<Ref<>>& colors = fnd::arrayItems(g->colors.get());
  const std::vector<Ref<>>* locations = g->locations ? &fnd::arrayItems(g->locations.get()) : nullptr;
  bool given = locations && locations->size() == colors.size();
  for (size_t i = 0; i < colors.size(); ++i) {
    if (!isColor(colors[i].get())) continue;
    double offset = given ? offsetOf((*locations)[i].get())
                          : colors.size() == 1 ? 0 : double(i) / double(colors.size() - 1);
    stops.push_back({offset, uikit::rgba(colors[i].get())});
  }
  return stops;
}

CGPoint inBounds(CGPoint unit, CGRect bounds) {
  return {bounds.origin.x + unit.x * bounds.size.width, bounds.origin.y + unit.y * bounds.size.height};
}

}  // namespace

}  // namespace lv::render

lv::render::PaintRule lv::render::gradientLayerRule() {
  PaintRule rule;
  rule.paint = [](const PaintContext& c) {
    const auto* g = static_cast<const CAGradientLayer*>(c.object);
    std::vector<Stop> stops = stopsOf(g);
    if (stops.empty()) return;
    CGPoint from = inBounds(g->startPoint, c.bounds), to = inBounds(g->endPoint, c.bounds);
    cairo_pattern_t* p = cairo_pattern_create_linear(from.x, from.y, to.x, to.y);
    for (const Stop& s : stops)
      cairo_pattern_add_color_stop_rgba(p, s.offset, s.color.r, s.color.g, s.color.b, s.color.a);
    cairo_pattern_set_extend(p, CAIRO_EXTEND_PAD);
    cairo_set_source(c.cr, p);
    cairo_rectangle(c.cr, c.bounds.origin.x, c.bounds.origin.y, c.bounds.size.width, c.bounds.size.height);
    cairo_fill(c.cr);
    cairo_pattern_destroy(p);
  };
  rule.contentKey = [](id layer) {
    const auto* g = static_cast<const CAGradientLayer*>(layer);
    Hasher h;
    for (double v : {g->startPoint.x, g->startPoint.y, g->endPoint.x, g->endPoint.y}) h.add(v);
    for (const Stop& s : stopsOf(g))
      for (double v : {s.offset, s.color.r, s.color.g, s.color.b, s.color.a}) h.add(v);
    return h.value();
  };
  return rule;
}
