#pragma once
// The backdrop's blur: what lies beneath an area, blurred and tinted, computed once per
// change of what lies beneath and kept at device resolution between frames.
#include <cairo.h>

#include <cstdint>
#include <map>

#include "render/paint_rules.h"
#include "render/surface_ptr.h"

namespace lv::render {

struct BlurLook {
  double radius = 30;       // points: how far a pixel's colour spreads
  double tintAlpha = 0.45;  // black laid over the blur
};

// Blurs premultiplied ARGB pixels in place with three box passes each way, which
// approaches a Gaussian; the edges repeat outwards.
void boxBlur(cairo_surface_t* surface, int radius);

class BlurCache {
 public:
  explicit BlurCache(BlurLook look = {}) : look_(look) {}

  // The blurred, tinted pixels of what lies beneath in `area`, a non-empty part of the
  // picture in device pixels; owned by the cache.
  cairo_surface_t* blurred(const Beneath& beneath, PixelRect area, double scale);

  // Drops the blurs not used since the last call.
  void endFrame();
  // How many blurs have been computed.
  long computed() const { return computed_; }

 private:
  struct Entry {
    SurfacePtr surface;
    bool used = false;
  };
  struct Key {
    uint64_t signature;
    int x, y, width, height;
    auto operator<=>(const Key&) const = default;
  };

  SurfacePtr compute(const Beneath& beneath, PixelRect area, double scale) const;

  BlurLook look_;
  std::map<Key, Entry> entries_;
  long computed_ = 0;
};

}  // namespace lv::render
