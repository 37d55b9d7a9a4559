#include "render/stock_looks.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "foundation/values.h"
#include "render/hasher.h"

namespace lv::render {

namespace {

struct Rgb {
  double r, g, b;
};

// Dusk: deep blue above, a pale blue in the middle, a warm rose below.
constexpr Rgb kSkyTop{0.26, 0.34, 0.62};
constexpr Rgb kSkyMiddle{0.58, 0.66, 0.80};
constexpr Rgb kSkyBottom{0.90, 0.64, 0.62};

constexpr double kGlyphAlpha = 0.92;

void setRgb(cairo_pattern_t* p, double offset, Rgb c) { cairo_pattern_add_color_stop_rgb(p, offset, c.r, c.g, c.b); }

// Subviews' frames, back to front, in the view's bounds coordinates.
std::vector<CGRect> subviewFrames(id view) {
  std::vector<CGRect> frames;
  for (const Ref<>& sub : fnd::arrayItems(send<id>(view, "subviews"_sel))) frames.push_back(send<CGRect>(sub, "frame"_sel));
  return frames;
}

// A triangle pointing right (`direction` 1) or left (-1), its tip at `tipX`.
void triangle(cairo_t* cr, double tipX, double cy, double width, double height, int direction) {
  cairo_move_to(cr, tipX, cy);
  cairo_line_to(cr, tipX - direction * width, cy - height / 2);
  cairo_line_to(cr, tipX - direction * width, cy + height / 2);
  cairo_close_path(cr);
}

// Two triangles side by side, pointing the same way, sized to `s`.
void skipGlyph(cairo_t* cr, double cx, double cy, double s, int direction) {
  double w = s * 0.45, h = s * 0.5;
  triangle(cr, cx + direction * w, cy, w, h, direction);
  triangle(cr, cx, cy, w, h, direction);
}

void pauseGlyph(cairo_t* cr, double cx, double cy, double s) {
  double w = s * 0.16, h = s * 0.52, gap = s * 0.14;
  cairo_rectangle(cr, cx - gap / 2 - w, cy - h / 2, w, h);
  cairo_rectangle(cr, cx + gap / 2, cy - h / 2, w, h);
}

// A triangle pointing right, its middle at the centre.
void playGlyph(cairo_t* cr, double cx, double cy, double s) {
  double w = s * 0.4;
  triangle(cr, cx + w * 0.55, cy, w, s * 0.48, 1);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, M_PI * 1.5);
  cairo_close_path(cr);
}

// A torch seen from the side: a flared head over a narrow body with its switch.
void torchGlyph(cairo_t* cr, double cx, double cy, double s) {
  double top = cy - s * 0.26, neck = cy - s * 0.08, bottom = cy + s * 0.28;
  cairo_move_to(cr, cx - s * 0.13, top);
  cairo_line_to(cr, cx + s * 0.13, top);
  cairo_line_to(cr, cx + s * 0.08, neck);
  cairo_line_to(cr, cx - s * 0.08, neck);
  cairo_close_path(cr);
  roundedRect(cr, cx - s * 0.08, neck + s * 0.02, s * 0.16, bottom - neck - s * 0.02, s * 0.03);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_arc(cr, cx, neck + s * 0.1, s * 0.025, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

// A camera body with its viewfinder bump and an open lens.
void cameraGlyph(cairo_t* cr, double cx, double cy, double s) {
  double w = s * 0.5, h = s * 0.34, top = cy - h / 2 + s * 0.03;
  roundedRect(cr, cx - s * 0.09, top - s * 0.06, s * 0.18, s * 0.1, s * 0.02);
  roundedRect(cr, cx - w / 2, top, w, h, s * 0.05);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_arc(cr, cx, top + h / 2, s * 0.1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_arc(cr, cx, top + h / 2, s * 0.06, 0, 2 * M_PI);
  cairo_fill(cr);
}

CGPoint centre(CGRect r) { return {r.origin.x + r.size.width / 2, r.origin.y + r.size.height / 2}; }

}  // namespace

}  // namespace lv::render

lv::render::PaintRule lv::render::wallpaperRule() {
  PaintRule rule;
  rule.paint = [](const PaintContext& c) {
    const CGRect& b = c.bounds;
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, b.origin.y, 0, b.origin.y + b.size.height);
    setRgb(sky, 0, kSkyTop);
    setRgb(sky, 0.55, kSkyMiddle);
    setRgb(sky, 1, kSkyBottom);
    cairo_set_source(c.cr, sky);
    cairo_rectangle(c.cr, b.origin.x, b.origin.y, b.size.width, b.size.height);
    cairo_fill(c.cr);
    cairo_pattern_destroy(sky);
  };
  return rule;
}

// One glyph on each of the view's three buttons, drawn over them.
lv::render::PaintRule lv::render::transportGlyphsRule(ViewState paused) {
  PaintRule rule;
  rule.paintOver = [paused](const PaintContext& c) {
    std::vector<CGRect> buttons = subviewFrames(c.object);
    if (buttons.size() != 3) return;
    cairo_set_source_rgba(c.cr, 1, 1, 1, kGlyphAlpha);
    bool showsPlay = paused(c.object);
    for (size_t i = 0; i < 3; ++i) {
      CGPoint p = centre(buttons[i]);
      double s = std::min(buttons[i].size.width, buttons[i].size.height);
      if (i == 1)
        (showsPlay ? playGlyph : pauseGlyph)(c.cr, p.x, p.y, s);
      else
        skipGlyph(c.cr, p.x, p.y, s * 0.8, i == 0 ? -1 : 1);
    }
    cairo_fill(c.cr);
  };
  rule.contentKey = [paused](id view) {
    Hasher h;
    h.add(uint64_t(paused(view)));
    for (const CGRect& r : subviewFrames(view))
      for (double v : {r.origin.x, r.origin.y, r.size.width, r.size.height}) h.add(v);
    return h.value();
  };
  return rule;
}

// Two arcs over a triangle: sound going out to another device.
lv::render::PaintRule lv::render::routingGlyphRule() {
  PaintRule rule;
  rule.paint = [](const PaintContext& c) {
    CGPoint p = centre(c.bounds);
    double s = std::min(c.bounds.size.width, c.bounds.size.height);
    cairo_t* cr = c.cr;
    cairo_set_source_rgba(cr, 1, 1, 1, kGlyphAlpha);
    cairo_set_line_width(cr, s * 0.07);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double radius : {s * 0.16, s * 0.30}) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, p.x, p.y + s * 0.06, radius, M_PI * 1.2, M_PI * 1.8);
    }
    cairo_stroke(cr);
    cairo_move_to(cr, p.x, p.y + s * 0.02);
    cairo_line_to(cr, p.x + s * 0.17, p.y + s * 0.30);
    cairo_line_to(cr, p.x - s * 0.17, p.y + s * 0.30);
    cairo_close_path(cr);
    cairo_fill(cr);
  };
  return rule;
}

// Four rising signal bars on the left of the bounds, a battery three quarters full on the
// right.
lv::render::PaintRule lv::render::statusIndicatorsRule() {
  PaintRule rule;
  rule.paint = [](const PaintContext& c) {
    const CGRect& b = c.bounds;
    cairo_t* cr = c.cr;
    double h = b.size.height, x = b.origin.x, y = b.origin.y, bar = h * 0.25;
    cairo_set_source_rgba(cr, 1, 1, 1, kGlyphAlpha);
    for (int i = 0; i < 4; ++i) {
      double barHeight = h * (0.4 + 0.2 * i);
      roundedRect(cr, x + i * bar * 1.5, y + h - barHeight, bar, barHeight, bar / 3);
    }
    cairo_fill(cr);
    double batteryWidth = h * 2.1, left = x + b.size.width - batteryWidth;
    cairo_set_line_width(cr, 1);
    roundedRect(cr, left + 0.5, y + 0.5, batteryWidth - h * 0.2 - 1, h - 1, h * 0.25);
    cairo_stroke(cr);
    roundedRect(cr, left + 2, y + 2, (batteryWidth - h * 0.2 - 4) * 0.75, h - 4, h * 0.12);
    cairo_rectangle(cr, left + batteryWidth - h * 0.15, y + h * 0.33, h * 0.15, h * 0.34);
    cairo_fill(cr);
  };
  return rule;
}

// Over the button's round fill.
lv::render::PaintRule lv::render::quickActionGlyphRule(ViewState camera) {
  PaintRule rule;
  rule.paint = [camera](const PaintContext& c) {
    CGPoint p = centre(c.bounds);
    double s = std::min(c.bounds.size.width, c.bounds.size.height);
    // The glyph lies inside the button: a group of the button's size, not the screen's.
    cairo_save(c.cr);
    cairo_rectangle(c.cr, c.bounds.origin.x, c.bounds.origin.y, c.bounds.size.width, c.bounds.size.height);
    cairo_clip(c.cr);
    cairo_push_group(c.cr);
    cairo_set_source_rgba(c.cr, 1, 1, 1, 1);
    (camera(c.object) ? cameraGlyph : torchGlyph)(c.cr, p.x, p.y, s);
    cairo_pop_group_to_source(c.cr);
    cairo_paint_with_alpha(c.cr, kGlyphAlpha);
    cairo_restore(c.cr);
  };
  rule.contentKey = [camera](id view) { return uint64_t(camera(view)); };
  return rule;
}
