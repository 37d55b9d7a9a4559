// UIImageView: its image by content mode. Content outside the bounds shows unless the
// view clips, as on the device.
#include "render/content_mode.h"
#include "render/image_cache.h"
#include "render/standard_rules.h"

namespace render {

namespace {

const UIImage* imageOf(id view) {
  id image = send<id>(view, "image"_sel);
  if (!image || !rt::isKindOfClass(image, objc_getClass("UIImage"))) return nullptr;
  return static_cast<const UIImage*>(image);
}

}  // namespace

PaintRule imageViewRule(ImageCache& images) {
  PaintRule rule;
  rule.paint = [&images](const PaintContext& c) {
    const UIImage* image = imageOf(c.object);
    cairo_surface_t* pixels = images.surface(image);
    if (!pixels) return;
    CGRect r = contentRect(send<NSInteger>(c.object, "contentMode"_sel), c.bounds, image->size);
    int pw = cairo_image_surface_get_width(pixels), ph = cairo_image_surface_get_height(pixels);
    if (!(r.size.width > 0) || !(r.size.height > 0) || pw <= 0 || ph <= 0) return;
    cairo_save(c.cr);
    cairo_translate(c.cr, r.origin.x, r.origin.y);
    cairo_scale(c.cr, r.size.width / pw, r.size.height / ph);
    cairo_set_source_surface(c.cr, pixels, 0, 0);
    cairo_pattern_set_extend(cairo_get_source(c.cr), CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(cairo_get_source(c.cr), CAIRO_FILTER_GOOD);
    cairo_rectangle(c.cr, 0, 0, pw, ph);
    cairo_fill(c.cr);
    cairo_restore(c.cr);
  };
  // Looking the pixels up keeps their buffer, and so the key, alive in the cache.
  rule.contentKey = [&images](id view) {
    const UIImage* image = imageOf(view);
    images.surface(image);
    return ImageCache::key(image) ^ uint64_t(send<NSInteger>(view, "contentMode"_sel));
  };
  return rule;
}

}  // namespace render
