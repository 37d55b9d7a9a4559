#pragma once
// A PNG read back and probed by the mean colour of areas: fonts differ between machines,
// so pictures are checked by regions, never pixel for pixel against a stored one.
#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>

namespace testing_support {

struct Rgb { double r, g, b; };

class Png {
 public:
  explicit Png(const std::filesystem::path& file)
      : surface_(cairo_image_surface_create_from_png(file.c_str()), cairo_surface_destroy) {}
  bool ok() const { return cairo_surface_status(surface_.get()) == CAIRO_STATUS_SUCCESS; }
  int width() const { return cairo_image_surface_get_width(surface_.get()); }
  int height() const { return cairo_image_surface_get_height(surface_.get()); }

  // The mean colour (0 to 1) of the pixels in [x0, x1) × [y0, y1) points, `scale` pixels to
  // the point; opaque pixels assumed.
  Rgb mean(double x0, double y0, double x1, double y1, double scale = 1) const {
    cairo_surface_flush(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    int stride = cairo_image_surface_get_stride(surface_.get());
    double r = 0, g = 0, b = 0;
    long n = 0;
    for (int y = std::max(int(y0 * scale), 0); y < std::min(int(y1 * scale), height()); ++y)
      for (int x = std::max(int(x0 * scale), 0); x < std::min(int(x1 * scale), width()); ++x, ++n) {
        uint32_t p = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
        r += (p >> 16 & 0xff) / 255.0, g += (p >> 8 & 0xff) / 255.0, b += (p & 0xff) / 255.0;
      }
    return n ? Rgb{r / n, g / n, b / n} : Rgb{0, 0, 0};
  }

  // The pixel at (x, y) as straight red, green, blue and alpha; opaque pixels assumed.
  uint32_t rgba(int x, int y) const {
    uint32_t argb;
    std::memcpy(&argb, row(y) + size_t(x) * 4, 4);
    return (argb >> 16 & 0xff) | (argb >> 8 & 0xff) << 8 | (argb & 0xff) << 16 | (argb >> 24) << 24;
  }

  // The pixel rows [y0, y1) are the same as `other`'s, which is as wide.
  bool sameRows(const Png& other, int y0, int y1) const {
    for (int y = std::max(y0, 0); y < std::min({y1, height(), other.height()}); ++y)
      if (std::memcmp(row(y), other.row(y), size_t(width()) * 4) != 0) return false;
    return true;
  }

 private:
  const unsigned char* row(int y) const {
    return cairo_image_surface_get_data(surface_.get()) + y * cairo_image_surface_get_stride(surface_.get());
  }

  std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface_;
};

inline double saturation(Rgb c) { return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}); }
inline double brightness(Rgb c) { return (c.r + c.g + c.b) / 3; }

}  // namespace testing_support
