#pragma once
// Owning handles of cairo objects, and the frame-to-frame sweep of the caches that hold
// them.
#include <cairo.h>

#include <memory>

namespace lv::render {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

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
