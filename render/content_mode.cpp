#include "render/content_mode.h"

#include <algorithm>

namespace lv::render {

namespace {

// Places `size` in `bounds` with `fx`, `fy` (0 start, 0.5 middle, 1 end) of the free room
// before it.
CGRect placed(CGRect bounds, CGSize size, double fx, double fy) {
  return {{bounds.origin.x + (bounds.size.width - size.width) * fx,
           bounds.origin.y + (bounds.size.height - size.height) * fy},
          size};
}

}  // namespace

}  // namespace lv::render

CGRect lv::render::contentRect(NSInteger mode, CGRect bounds, CGSize size) {
  if (!(size.width > 0) || !(size.height > 0)) return {bounds.origin, {0, 0}};
  double sx = bounds.size.width / size.width, sy = bounds.size.height / size.height;
  switch (mode) {
    case UIViewContentModeScaleAspectFit:
    case UIViewContentModeScaleAspectFill: {
      double s = mode == UIViewContentModeScaleAspectFit ? std::min(sx, sy) : std::max(sx, sy);
      return placed(bounds, {size.width * s, size.height * s}, 0.5, 0.5);
    }
    case UIViewContentModeCenter: return placed(bounds, size, 0.5, 0.5);
    case UIViewContentModeTop: return placed(bounds, size, 0.5, 0);
    case UIViewContentModeBottom: return placed(bounds, size, 0.5, 1);
    case UIViewContentModeLeft: return placed(bounds, size, 0, 0.5);
    case UIViewContentModeRight: return placed(bounds, size, 1, 0.5);
    case UIViewContentModeTopLeft: return placed(bounds, size, 0, 0);
    case UIViewContentModeTopRight: return placed(bounds, size, 1, 0);
    case UIViewContentModeBottomLeft: return placed(bounds, size, 0, 1);
    case UIViewContentModeBottomRight: return placed(bounds, size, 1, 1);
    default: return bounds;
  }
}
