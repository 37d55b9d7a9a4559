#include "render/host_looks.h"

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

// Dusk: deep blue above, the host's wallpaper blue in the middle, a warm rose below.
constexpr Rgb kSkyTop{0.26, 0.34, 0.62};
constexpr Rgb kSkyMiddle{0.58, 0.66, 0.80};
constexpr Rgb kSkyBottom{0.90, 0.64, 0.62};

constexpr double kGlyphAlpha = 0.92;

void setRgb(cairo_pattern_t* p, double offset, Rgb c) { cairo_pattern_add_color_stop_rgb(p, offset, c.r, c.g, c.b); }

// Subviews' frames, back to front, in the view's bounds coordinates.
std::vector<CGRect> subviewFrames(id view) {
  std::vector<CGRect> frames;
  for (id sub : fnd::arrayItems(send<id>(view, "subviews"_sel))) frames.push_back(send<CGRect>(sub, "frame"_sel));
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

// The host's transport controls answer isPaused; a view that does not counts as playing.
bool showsPaused(id view) {
  return class_respondsToSelector(object_getClass(view), "isPaused"_sel) && send<bool>(view, "isPaused"_sel);
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

// Back, pause (play while paused) and forward, one on each of the view's three buttons,
// drawn over them.
lv::render::PaintRule lv::render::transportGlyphsRule() {
  PaintRule rule;
  rule.paintOver = [](const PaintContext& c) {
    std::vector<CGRect> buttons = subviewFrames(c.object);
    if (buttons.size() != 3) return;
    cairo_set_source_rgba(c.cr, 1, 1, 1, kGlyphAlpha);
    bool paused = showsPaused(c.object);
    for (size_t i = 0; i < 3; ++i) {
      CGPoint p = centre(buttons[i]);
      double s = std::min(buttons[i].size.width, buttons[i].size.height);
      if (i == 1)
        (paused ? playGlyph : pauseGlyph)(c.cr, p.x, p.y, s);
      else
        skipGlyph(c.cr, p.x, p.y, s * 0.8, i == 0 ? -1 : 1);
    }
    cairo_fill(c.cr);
  };
  rule.contentKey = [](id view) {
    Hasher h;
    h.add(uint64_t(showsPaused(view)));
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

void lv::render::addHostLooks(PaintRules& rules) {
  rules.add("SBFStaticWallpaperView", wallpaperRule());
  rules.add("MRUNowPlayingTransportControlsView", transportGlyphsRule());
  rules.add("MRUNowPlayingRoutingButton", routingGlyphRule());
}
