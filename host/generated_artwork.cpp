#include "host/generated_artwork.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "uikit/image.h"

namespace lv::host {

namespace {

struct Rgb {
  double r, g, b;
};

// FNV-1a: a stable spread of titles over hues.
uint32_t titleHash(std::string_view title) {
  uint32_t h = 2166136261u;
  for (unsigned char c : title) h = (h ^ c) * 16777619u;
  return h;
}

Rgb fromHue(double hue, double saturation, double value) {
  double h = std::fmod(hue, 1.0) * 6;
  double c = value * saturation, x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1)), m = value - c;
  Rgb rgb = h < 1 ? Rgb{c, x, 0} : h < 2 ? Rgb{x, c, 0} : h < 3 ? Rgb{0, c, x}
          : h < 4 ? Rgb{0, x, c} : h < 5 ? Rgb{x, 0, c} : Rgb{c, 0, x};
  return {rgb.r + m, rgb.g + m, rgb.b + m};
}

Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

uint8_t byte(double v) { return uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

}  // namespace

}  // namespace lv::host

// A diagonal gradient between two hues with a disc of a third in the middle.
id lv::host::generatedArtwork(std::string_view title) {
  uint32_t h = titleHash(title);
  double hue = (h & 0xffff) / 65536.0;
  Rgb from = fromHue(hue, 0.75, 0.95), to = fromHue(hue + 0.33, 0.8, 0.55);
  Rgb disc = fromHue(hue + 0.6 + ((h >> 16) & 0xff) / 1024.0, 0.6, 1.0);
  const long n = kGeneratedArtworkPixels;
  const double radius = n * (0.22 + ((h >> 24) & 0x3f) / 640.0);
  std::vector<uint8_t> rgba(size_t(n * n * 4));
  for (long y = 0; y < n; ++y) {
    for (long x = 0; x < n; ++x) {
      Rgb c = mix(from, to, double(x + y) / double(2 * (n - 1)));
      double d = std::hypot(x - n / 2.0 + 0.5, y - n / 2.0 + 0.5);
      double inside = std::clamp(radius - d, 0.0, 1.0);
      c = mix(c, disc, inside * 0.85);
      uint8_t* p = &rgba[size_t(y * n + x) * 4];
      p[0] = byte(c.r), p[1] = byte(c.g), p[2] = byte(c.b), p[3] = 255;
    }
  }
  return uikit::imageWithRGBA(n, n, kGeneratedArtworkScale, std::move(rgba));
}
