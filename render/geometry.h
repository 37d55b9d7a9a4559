#pragma once
// Geometry between the platform's values and cairo: transforms, device rectangles and the
// outline of a layer with rounded corners.
#include <cairo.h>

#include "quartz/geometry.h"

namespace lv::render {

// A rectangle of whole device pixels.
struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool empty() const { return width <= 0 || height <= 0; }
  bool operator==(const PixelRect&) const = default;
};

PixelRect intersection(PixelRect a, PixelRect b);
PixelRect outset(PixelRect r, int by);

cairo_matrix_t toCairo(const CGAffineTransform& t);
bool invertible(const CGAffineTransform& t);

// The pixels covered by `rect` (user space) under the context's current transform.
PixelRect deviceBounds(cairo_t* cr, CGRect rect);

// Adds the outline of `rect` to the path, rounding with `radius` (limited to half the
// shorter side) the corners whose CACornerMask bit is in `corners`.
void roundedRectPath(cairo_t* cr, CGRect rect, double radius, unsigned long corners);

}  // namespace lv::render
