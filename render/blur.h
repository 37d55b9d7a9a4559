#pragma once
// The backdrop's blur: what lies beneath an area, blurred and tinted, computed once per
// change of what lies beneath and kept at device resolution between frames.
#include <cairo.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>

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

// Blurs are kept by the signature of what lies beneath, for as long as they are drawn.
// While one object beneath changes only in opacity from frame to frame (a fade), the blur
// is computed twice, with that object left out and drawn whole, and each frame mixes the
// two with its opacity: compositing, the blur and the tint are all linear in it. Memory
// is what the backdrops of one frame need: an entry not drawn in a frame goes at its end.
// A blur to draw: `under`, then `over` (when there is one) with `overAlpha`. Both opaque
// when there are two, so that drawing them mixes them. Owned by the cache.
struct BlurToDraw {
  cairo_surface_t* under;
  cairo_surface_t* over = nullptr;
  double overAlpha = 0;
};

class BlurCache {
 public:
  explicit BlurCache(BlurLook look = {}) : look_(look) {}

  // The blurred, tinted pixels of what lies beneath in `area`, a non-empty part of the
  // picture in device pixels, at the device's resolution.
  BlurToDraw blurred(const Beneath& beneath, PixelRect area, double scale);

  // Drops the blurs not used since the last call.
  void endFrame();
  // How many blurs have been computed.
  long computed() const { return computed_; }

 private:
  struct Key {
    uint64_t signature;
    int x, y, width, height;
    auto operator<=>(const Key&) const = default;
  };
  struct Entry {
    SurfacePtr surface;
    bool used = false;
  };
  // The blurs of what lies beneath with one object at opacity 0 and 1 at the reduced
  // resolution; scaled up when both are opaque, which drawing can mix, else mixed at the
  // opacity last asked for and scaled up.
  struct Fade {
    SurfacePtr without, with;
    SurfacePtr withoutShown, withShown;
    SurfacePtr mixed, surface;
    float opacity = -1;
    bool used = false;
  };
  // Where a blur reads: the area with the blur's reach, and the reduction it is blurred at.
  struct Reduction {
    PixelRect source;
    int factor;
  };

  Reduction reductionFor(const Beneath& beneath, PixelRect area, double scale) const;
  SurfacePtr blurReduced(const Beneath& beneath, Reduction r, double scale, std::optional<DrawnOpacity> change);
  Fade makeFade(const Beneath& beneath, Reduction r, PixelRect area, double scale, id object);
  BlurToDraw mix(Fade& fade, Reduction r, PixelRect area, float opacity) const;

  BlurLook look_;
  std::map<Key, Entry> entries_;
  std::map<Key, Fade> fades_;
  // Signatures with one translucent object apart, seen in the last frame and this one: the
  // second frame that shows such a signature starts a fade.
  std::set<Key> seenApart_, seenApartNow_;
  long computed_ = 0;
};

}  // namespace lv::render
