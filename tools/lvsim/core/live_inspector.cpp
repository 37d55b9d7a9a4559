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

CGPoint lv::sim::captionOrigin(CGRect view, CGSize caption, CGSize window, double gap) {
  double x = std::clamp(view.origin.x, 0.0, std::max(0.0, window.width - caption.width));
  double y = view.origin.y - gap - caption.height;
  if (y < 0) y = view.origin.y + view.size.height + gap;
  return {x, std::clamp(y, 0.0, std::max(0.0, window.height - caption.height))};
}

// The caption wraps to stay inside the window across.
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
  CGRect outline{{f.origin.x * scale, f.origin.y * scale}, {f.size.width * scale, f.size.height * scale}};
  CGPoint at = captionOrigin(outline, {boxWidth, boxHeight}, {width, height}, pad);
  cairo_rectangle(cr, at.x, at.y, boxWidth, boxHeight);
  cairo_set_source_rgba(cr, 0.05, 0.05, 0.07, 0.9);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_move_to(cr, at.x + pad, at.y + pad);
  pango_cairo_show_layout(cr, text.get());
  cairo_restore(cr);
}
