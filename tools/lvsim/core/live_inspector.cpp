#include "tools/lvsim/core/live_inspector.h"

#include <algorithm>
#include <cstdio>

#include "host/view_query.h"
#include "render/text_layout.h"

namespace lv::sim {

namespace {

constexpr double kInspectorTextPoints = 11;
constexpr double kPadPoints = 4;

}  // namespace

}  // namespace lv::sim

std::string lv::sim::viewName(id view) {
  if (!view) return "nothing";
  return std::string(class_getName(object_getClass(view))) + " " + lv::host::viewPath(view);
}

std::optional<lv::sim::InspectedView> lv::sim::inspectAt(id window, CGPoint point) {
  id view = lv::host::viewAtPoint(window, point);
  if (!view) return std::nullopt;
  return InspectedView{viewName(view), send<CGRect>(view, "convertRect:toView:"_sel, send<CGRect>(view, "bounds"_sel), nil)};
}

std::string lv::sim::inspectedText(const InspectedView& view) {
  char frame[128];
  std::snprintf(frame, sizeof frame, " at (%g, %g, %g, %g)", view.frame.origin.x, view.frame.origin.y,
                view.frame.size.width, view.frame.size.height);
  return view.name + frame;
}

// The caption sits beneath the outline, or above it where the window ends, and wraps to
// stay inside the window across.
void lv::sim::drawInspector(cairo_t* cr, const InspectedView& view, double scale, double width, double height) {
  CGRect f = view.frame;
  cairo_save(cr);
  cairo_rectangle(cr, f.origin.x * scale, f.origin.y * scale, f.size.width * scale, f.size.height * scale);
  cairo_set_source_rgba(cr, 1, 0.2, 0.6, 0.18);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 1, 0.2, 0.6);
  cairo_set_line_width(cr, std::max(1.0, scale));
  cairo_stroke(cr);

  double pad = kPadPoints * scale;
  lv::render::LayoutPtr text = lv::render::makeTextLayout(
      cr, inspectedText(view), {.pixels = kInspectorTextPoints * scale, .wrapWidth = int(width - 4 * pad)});
  double boxWidth = lv::render::layoutWidth(text.get()) + 2 * pad;
  double boxHeight = lv::render::layoutHeight(text.get()) + 2 * pad;
  double x = std::clamp(f.origin.x * scale, 0.0, std::max(0.0, width - boxWidth));
  double y = (f.origin.y + f.size.height) * scale + pad;
  if (y + boxHeight > height) y = std::max(0.0, f.origin.y * scale - pad - boxHeight);
  cairo_rectangle(cr, x, y, boxWidth, boxHeight);
  cairo_set_source_rgba(cr, 0.05, 0.05, 0.07, 0.9);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_move_to(cr, x + pad, y + pad);
  pango_cairo_show_layout(cr, text.get());
  cairo_restore(cr);
}
