#pragma once
// UIImage pixels as cairo surfaces, decoded once and kept while they are drawn. An entry
// not drawn during a frame is dropped at the frame's end. An entry keeps its pixel buffer
// alive, so a buffer's address names one image for as long as any signature holding it
// can be compared.
#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "render/surface_ptr.h"
#include "uikit/image.h"

namespace lv::render {

class ImageCache {
 public:
  // The image's pixels (owned by the cache); null when there are none.
  cairo_surface_t* surface(const UIImage* image);
  // The image's pixels resampled to `width` × `height`, once the image has been asked for
  // at that size in two frames running (a steady picture, not a resizing animation);
  // null before. Owned by the cache; a size not asked for during a frame is dropped at
  // its end.
  cairo_surface_t* resampled(const UIImage* image, int width, int height);
  // Names the image's pixels: equal keys show equal pixels.
  static uint64_t key(const UIImage* image);

  void endFrame();
  size_t size() const { return entries_.size(); }

 private:
  struct Resampled {
    int width, height;
    SurfacePtr surface;  // made when asked for again
    bool used = true;
  };
  struct Entry {
    SurfacePtr surface;
    std::shared_ptr<const std::vector<uint8_t>> pixels;
    std::vector<Resampled> sizes;
    bool used = false;
  };
  Entry* entryFor(const UIImage* image);

  std::unordered_map<std::string, Entry> entries_;
};

}  // namespace lv::render
