#include "render/image_view_rule.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "render/content_mode.h"
#include "render/image_cache.h"

namespace lv::render {

namespace {

const UIImage* imageOf(id view) {
  id image = send<id>(view, "image"_sel);
  if (!image || !rt::isKindOfClass(image, objc_getClass("UIImage"))) return nullptr;
  return static_cast<const UIImage*>(image);
}

// Paints the source over `rect` (user space) with `opacity`.
void paintRect(cairo_t* cr, double x, double y, double width, double height, double opacity) {
  cairo_rectangle(cr, x, y, width, height);
  cairo_clip(cr);
  cairo_paint_with_alpha(cr, opacity);
}

// Draws `pixels` stretched over `rect` (user space).
void drawStretched(cairo_t* cr, cairo_surface_t* pixels, CGRect rect, double opacity) {
  int pw = cairo_image_surface_get_width(pixels), ph = cairo_image_surface_get_height(pixels);
  cairo_save(cr);
  cairo_translate(cr, rect.origin.x, rect.origin.y);
  cairo_scale(cr, rect.size.width / pw, rect.size.height / ph);
  cairo_set_source_surface(cr, pixels, 0, 0);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  paintRect(cr, 0, 0, pw, ph, opacity);
  cairo_restore(cr);
}

// The content rectangle in device pixels, its edges on whole pixels, when the context
// neither turns nor mirrors it.
std::optional<PixelRect> onPixels(cairo_t* cr, CGRect r) {
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  if (m.xy != 0 || m.yx != 0 || !(m.xx > 0) || !(m.yy > 0)) return std::nullopt;
  double x0 = r.origin.x, y0 = r.origin.y, x1 = x0 + r.size.width, y1 = y0 + r.size.height;
  cairo_user_to_device(cr, &x0, &y0);
  cairo_user_to_device(cr, &x1, &y1);
  auto whole = [](double v) { return int(std::lround(std::clamp(v, -1e8, 1e8))); };
  int left = whole(x0), top = whole(y0);
  return PixelRect{left, top, whole(x1) - left, whole(y1) - top};
}

}  // namespace

}  // namespace lv::render

// An image shown upright is drawn on whole device pixels, from a copy resampled to its
// size on screen once that size holds from one frame to the next: a steady picture costs
// a copy of pixels, not a resampling, per frame.
lv::render::PaintRule lv::render::imageViewRule(ImageCache& images) {
  PaintRule rule;
  rule.paint = [&images](const PaintContext& c) {
    const UIImage* image = imageOf(c.object);
    cairo_surface_t* pixels = images.surface(image);
    if (!pixels) return;
    CGRect r = contentRect(send<NSInteger>(c.object, "contentMode"_sel), c.bounds, image->size);
    if (!(r.size.width > 0) || !(r.size.height > 0)) return;
    std::optional<PixelRect> snapped = onPixels(c.cr, r);
    if (!snapped) {
      drawStretched(c.cr, pixels, r, c.opacity);
      return;
    }
    PixelRect box = *snapped;
    if (box.empty()) return;
    cairo_save(c.cr);
    cairo_identity_matrix(c.cr);
    if (cairo_surface_t* sized = images.resampled(image, box.width, box.height)) {
      cairo_set_source_surface(c.cr, sized, box.x, box.y);
      paintRect(c.cr, box.x, box.y, box.width, box.height, c.opacity);
    } else {
      drawStretched(c.cr, pixels, CGRect{{double(box.x), double(box.y)}, {double(box.width), double(box.height)}},
                    c.opacity);
    }
    cairo_restore(c.cr);
  };
  // Looking the pixels up keeps their buffer, and so the key, alive in the cache.
  rule.contentKey = [&images](id view) {
    const UIImage* image = imageOf(view);
    images.surface(image);
    return ImageCache::key(image) ^ uint64_t(send<NSInteger>(view, "contentMode"_sel));
  };
  rule.drawsOpacity = true;
  return rule;
}
