#pragma once
// Owning handles of cairo objects, copying pixels between them, and the frame-to-frame
// sweep of the caches that hold them.
#include <cairo.h>

#include <memory>

namespace lv::render {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// Replaces all that `cr` covers with `pixels` under its current transform, their edges
// repeated outwards.
inline void paintResampled(cairo_t* cr, cairo_surface_t* pixels, cairo_filter_t filter) {
  cairo_set_source_surface(cr, pixels, 0, 0);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(cairo_get_source(cr), filter);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
}

// Keeps the items of `items` (a container of values with a `used` mark, reached through
// `value`) that were used since the last sweep, and clears their marks.
template <class Container, class Value>
void keepUsed(Container& items, Value value) {
  for (auto it = items.begin(); it != items.end();) {
    auto& item = value(*it);
    if (!item.used) {
      it = items.erase(it);
      continue;
    }
    item.used = false;
    ++it;
  }
}

}  // namespace lv::render
