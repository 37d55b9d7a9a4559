#include "render/blur.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "render/hasher.h"

namespace lv::render {

namespace {

constexpr int kPasses = 3;

// The mean over a window of 2·radius + 1 values.
struct Window {
  int radius;
  uint64_t reciprocal;  // 2^32 / window size
  explicit Window(int r) : radius(r), reciprocal((uint64_t(1) << 32) / (2 * uint64_t(r) + 1)) {}
  uint8_t mean(uint32_t sum) const { return uint8_t((sum * reciprocal + (uint64_t(1) << 31)) >> 32); }
};

// One box pass over `count` runs of `width` bytes, `step` bytes apart, from `src` into
// `dst`, byte by byte, the edges repeated outwards. A run is a pixel when blurring along a
// row and a whole row when blurring down the columns, which keeps memory in order.
void blurRuns(const uint8_t* src, uint8_t* dst, int count, size_t step, size_t width,
              const Window& w, std::vector<uint32_t>& sums) {
  sums.assign(width, 0);
  auto run = [&](int i) { return src + size_t(std::clamp(i, 0, count - 1)) * step; };
  for (int i = -w.radius; i <= w.radius; ++i) {
    const uint8_t* r = run(i);
    for (size_t k = 0; k < width; ++k) sums[k] += r[k];
  }
  for (int i = 0; i < count; ++i) {
    uint8_t* out = dst + size_t(i) * step;
    for (size_t k = 0; k < width; ++k) out[k] = w.mean(sums[k]);
    const uint8_t* gone = run(i - w.radius);
    const uint8_t* coming = run(i + w.radius + 1);
    for (size_t k = 0; k < width; ++k) sums[k] += uint32_t(coming[k]) - gone[k];
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

}  // namespace lv::render

void lv::render::boxBlur(cairo_surface_t* surface, int radius) {
  int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  if (radius <= 0 || w <= 0 || h <= 0) return;
  cairo_surface_flush(surface);
  uint8_t* data = cairo_image_surface_get_data(surface);
  size_t stride = size_t(cairo_image_surface_get_stride(surface));
  Window window(radius);
  std::vector<uint8_t> copy;
  std::vector<uint32_t> sums;
  for (int pass = 0; pass < kPasses; ++pass) {
    for (int y = 0; y < h; ++y) {
      uint8_t* row = data + y * stride;
      copy.assign(row, row + size_t(w) * 4);
      blurRuns(copy.data(), row, w, 4, 4, window, sums);
    }
    copy.assign(data, data + stride * size_t(h));
    blurRuns(copy.data(), data, h, stride, size_t(w) * 4, window, sums);
  }
  cairo_surface_mark_dirty(surface);
}

cairo_surface_t* lv::render::BlurCache::blurred(const Beneath& beneath, PixelRect area, double scale) {
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
lv::render::SurfacePtr lv::render::BlurCache::compute(const Beneath& beneath, PixelRect area, double scale) const {
  double reach = look_.radius * scale;
  PixelRect source = intersection(outset(area, int(std::ceil(reach))), beneath.extent());
  double passRadius = reach / kPasses;
  int factor = std::max(1, int(passRadius / 4));
  int sw = (source.width + factor - 1) / factor, sh = (source.height + factor - 1) / factor;

  SurfacePtr small(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, sw, sh));
  cairo_t* c = cairo_create(small.get());
  cairo_scale(c, 1.0 / factor, 1.0 / factor);
  cairo_translate(c, -source.x, -source.y);
  beneath.paint(c);
  cairo_destroy(c);
  boxBlur(small.get(), int(std::lround(passRadius / factor)));
  // The tint is even, so laying it over before scaling up gives the same pixels.
  c = cairo_create(small.get());
  cairo_set_source_rgba(c, 0, 0, 0, look_.tintAlpha);
  cairo_paint(c);
  cairo_destroy(c);

  cairo_format_t format = opaque(small.get()) ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32;
  SurfacePtr out(cairo_image_surface_create(format, area.width, area.height));
  c = cairo_create(out.get());
  cairo_translate(c, source.x - area.x, source.y - area.y);
  cairo_scale(c, factor, factor);
  cairo_set_source_surface(c, small.get(), 0, 0);
  cairo_pattern_set_extend(cairo_get_source(c), CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(cairo_get_source(c), CAIRO_FILTER_BILINEAR);
  cairo_set_operator(c, CAIRO_OPERATOR_SOURCE);
  cairo_paint(c);
  cairo_destroy(c);
  return out;
}

void lv::render::BlurCache::endFrame() {
  keepUsed(entries_, [](auto& item) -> Entry& { return item.second; });
}
