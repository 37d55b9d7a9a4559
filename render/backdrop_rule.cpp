#include "render/backdrop_rule.h"

#include "render/blur.h"

lv::render::PaintRule lv::render::backdropRule(BlurCache& blurs) {
  PaintRule rule;
  rule.paint = [&blurs](const PaintContext& c) {
    PixelRect area = intersection(deviceBounds(c.cr, c.bounds), c.beneath.extent());
    if (area.empty()) return;
    BlurToDraw blurred = blurs.blurred(c.beneath, area, c.scale);
    cairo_save(c.cr);
    roundedRectPath(c.cr, c.bounds, c.layer->cornerRadius, c.layer->maskedCorners);
    cairo_clip(c.cr);
    cairo_identity_matrix(c.cr);
    cairo_set_source_surface(c.cr, blurred.under, area.x, area.y);
    cairo_paint(c.cr);
    if (blurred.over) {
      cairo_set_source_surface(c.cr, blurred.over, area.x, area.y);
      cairo_paint_with_alpha(c.cr, blurred.overAlpha);
    }
    cairo_restore(c.cr);
  };
  return rule;
}
