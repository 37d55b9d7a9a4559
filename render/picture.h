#pragma once
// A rendered frame: premultiplied ARGB pixels in a cairo image surface, owned.
#include <cairo.h>

#include <cstdint>
#include <string>

#include "foundation/atomic_file.h"

namespace lv::render {

// A pixel with straight (not premultiplied) components, 0 to 255.
struct Pixel {
  uint8_t r = 0, g = 0, b = 0, a = 0;
  bool operator==(const Pixel&) const = default;
};

// A pixel of a picture's surface (premultiplied ARGB in a native 32-bit word), straight.
// Opaque pixels, nearly all of a screen, need no division.
inline Pixel straightPixel(uint32_t argb) {
  auto a = uint8_t(argb >> 24);
  if (a == 0) return {};
  if (a == 255) return {uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb), a};
  auto unpremultiply = [a](uint32_t c) { return uint8_t((c * 255 + a / 2) / a); };
  return {unpremultiply(argb >> 16 & 0xff), unpremultiply(argb >> 8 & 0xff), unpremultiply(argb & 0xff), a};
}

using PngError = fnd::WriteError;

class Picture {
 public:
  // Transparent, `width` × `height` pixels, `scale` pixels per point.
  Picture(int width, int height, double scale);
  ~Picture();
  Picture(Picture&& other) noexcept;
  Picture& operator=(Picture&& other) noexcept;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  double scale() const { return scale_; }
  cairo_surface_t* surface() const { return surface_; }

  // The pixel at (x, y); transparent outside the picture.
  Pixel pixel(int x, int y) const;

  // Written whole or not at all (foundation/atomic_file.h).
  fnd::Result<void, PngError> writePng(const std::string& path) const;

 private:
  cairo_surface_t* surface_;
  int width_, height_;
  double scale_;
};

}  // namespace lv::render
