#include "render/blur.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "render/hasher.h"

namespace render {

namespace {

constexpr int kPasses = 3;

// One box pass over `count` pixels `step` bytes apart; `line` is scratch space.
void boxLine(unsigned char* first, int count, size_t step, int radius, std::vector<uint8_t>& line) {
  line.resize(size_t(count) * 4);
  for (int i = 0; i < count; ++i) std::memcpy(&line[size_t(i) * 4], first + i * step, 4);
  auto at = [&](int i) { return &line[size_t(std::clamp(i, 0, count - 1)) * 4]; };
  const uint64_t window = 2 * uint64_t(radius) + 1;
  const uint64_t reciprocal = (uint64_t(1) << 32) / window;
  uint64_t sum[4] = {};
  for (int i = -radius; i <= radius; ++i)
    for (int ch = 0; ch < 4; ++ch) sum[ch] += at(i)[ch];
  for (int i = 0; i < count; ++i) {
    unsigned char* out = first + i * step;
    for (int ch = 0; ch < 4; ++ch) out[ch] = uint8_t(std::min<uint64_t>(255, (sum[ch] * reciprocal + (uint64_t(1) << 31)) >> 32));
    const uint8_t* gone = at(i - radius);
    const uint8_t* coming = at(i + radius + 1);
    for (int ch = 0; ch < 4; ++ch) sum[ch] += coming[ch] - uint64_t(gone[ch]);
  }
}

// Whether every pixel is opaque: the blur of an opaque picture is drawn by copying.
bool opaque(cairo_surface_t* s) {
  cairo_surface_flush(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  size_t stride = size_t(cairo_image_surface_get_stride(s));
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < w; ++x)
      if (row[x] >> 24 != 0xff) return false;
  }
  return true;
}

}  // namespace

void boxBlur(cairo_surface_t* surface, int radius) {
  int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  if (radius <= 0 || w <= 0 || h <= 0) return;
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  size_t stride = size_t(cairo_image_surface_get_stride(surface));
  std::vector<uint8_t> line;
  for (int pass = 0; pass < kPasses; ++pass) {
    for (int y = 0; y < h; ++y) boxLine(data + y * stride, w, 4, radius, line);
    for (int x = 0; x < w; ++x) boxLine(data + size_t(x) * 4, h, stride, radius, line);
  }
  cairo_surface_mark_dirty(surface);
}

cairo_surface_t* BlurCache::blurred(const Beneath& beneath, PixelRect area, double scale) {
  int reach = int(std::ceil(look_.radius * scale));
  uint64_t signature = Hasher().add(beneath.signature(outset(area, reach))).add(scale).value();
  Entry& e = entries_[Key{signature, area.x, area.y, area.width, area.height}];
  if (!e.surface) {
    e.surface = compute(beneath, area, scale);
    ++computed_;
  }
  e.used = true;
  return e.surface.get();
}

// Blurs at a reduced resolution, which a blur this wide cannot tell from the full one,
// then scales the result back up to device pixels and tints it.
SurfacePtr BlurCache::compute(const Beneath& beneath, PixelRect area, double scale) const {
  double reach = look_.radius * scale;
  PixelRect source = intersection(outset(area, int(std::ceil(reach))), beneath.extent());
  double passRadius = reach / kPasses;
  int factor = std::max(1, int(passRadius / 6));
  int sw = (source.width + factor - 1) / factor, sh = (source.height + factor - 1) / factor;

  SurfacePtr small(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, sw, sh));
  cairo_t* c = cairo_create(small.get());
  cairo_scale(c, 1.0 / factor, 1.0 / factor);
  cairo_translate(c, -source.x, -source.y);
  beneath.paint(c);
  cairo_destroy(c);
  boxBlur(small.get(), int(std::lround(passRadius / factor)));

  cairo_format_t format = opaque(small.get()) ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32;
  SurfacePtr out(cairo_image_surface_create(format, area.width, area.height));
  c = cairo_create(out.get());
  cairo_translate(c, source.x - area.x, source.y - area.y);
  cairo_scale(c, factor, factor);
  cairo_set_source_surface(c, small.get(), 0, 0);
  cairo_pattern_set_extend(cairo_get_source(c), CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(cairo_get_source(c), CAIRO_FILTER_BILINEAR);
  cairo_paint(c);
  cairo_set_source_rgba(c, 0, 0, 0, look_.tintAlpha);
  cairo_paint(c);
  cairo_destroy(c);
  return out;
}

void BlurCache::endFrame() {
  keepUsed(entries_, [](auto& item) -> Entry& { return item.second; });
}

}  // namespace render
