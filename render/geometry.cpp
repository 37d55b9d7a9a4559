#include "render/geometry.h"

#include <algorithm>
#include <cmath>

#include "quartz/layer.h"

lv::render::PixelRect lv::render::intersection(PixelRect a, PixelRect b) {
  int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  int x1 = std::min(a.x + a.width, b.x + b.width), y1 = std::min(a.y + a.height, b.y + b.height);
  if (x1 <= x0 || y1 <= y0) return {};
  return {x0, y0, x1 - x0, y1 - y0};
}

lv::render::PixelRect lv::render::outset(PixelRect r, int by) { return {r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by}; }

cairo_matrix_t lv::render::toCairo(const CGAffineTransform& t) {
  cairo_matrix_t m;
  cairo_matrix_init(&m, t.a, t.b, t.c, t.d, t.tx, t.ty);
  return m;
}

bool lv::render::invertible(const CGAffineTransform& t) {
  double det = t.a * t.d - t.b * t.c;
  return det != 0 && std::isfinite(det) && std::isfinite(t.tx) && std::isfinite(t.ty);
}

lv::render::PixelRect lv::render::deviceBounds(cairo_t* cr, CGRect rect) {
  double xs[4] = {rect.origin.x, rect.origin.x + rect.size.width, rect.origin.x,
                  rect.origin.x + rect.size.width};
  double ys[4] = {rect.origin.y, rect.origin.y, rect.origin.y + rect.size.height,
                  rect.origin.y + rect.size.height};
  for (int i = 0; i < 4; ++i) cairo_user_to_device(cr, &xs[i], &ys[i]);
  double x0 = *std::min_element(xs, xs + 4), x1 = *std::max_element(xs, xs + 4);
  double y0 = *std::min_element(ys, ys + 4), y1 = *std::max_element(ys, ys + 4);
  // Far beyond any picture: keeps the integer conversion defined.
  auto clamp = [](double v) { return std::clamp(v, -1e8, 1e8); };
  int ix = int(std::floor(clamp(x0))), iy = int(std::floor(clamp(y0)));
  return {ix, iy, int(std::ceil(clamp(x1))) - ix, int(std::ceil(clamp(y1))) - iy};
}

void lv::render::roundedRectPath(cairo_t* cr, CGRect rect, double radius, unsigned long corners) {
  rect = CGRectStandardize(rect);
  double x = rect.origin.x, y = rect.origin.y, w = rect.size.width, h = rect.size.height;
  double r = std::clamp(radius, 0.0, std::min(w, h) / 2);
  if (!(r > 0) || !(corners & 15)) {
    cairo_rectangle(cr, x, y, w, h);
    return;
  }
  auto radiusFor = [&](unsigned long bit) { return corners & bit ? r : 0.0; };
  double tl = radiusFor(kCALayerMinXMinYCorner), tr = radiusFor(kCALayerMaxXMinYCorner);
  double bl = radiusFor(kCALayerMinXMaxYCorner), br = radiusFor(kCALayerMaxXMaxYCorner);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - tr, y + tr, tr, -M_PI / 2, 0);
  cairo_arc(cr, x + w - br, y + h - br, br, 0, M_PI / 2);
  cairo_arc(cr, x + bl, y + h - bl, bl, M_PI / 2, M_PI);
  cairo_arc(cr, x + tl, y + tl, tl, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}
