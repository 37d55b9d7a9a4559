#include "render/blur.h"

#include <algorithm>
#include <cmath>
#include <utility>
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

// `into` becomes (1 - t)·a + t·b, byte by byte; the three have the same size and format.
void mixPixels(cairo_surface_t* a, cairo_surface_t* b, cairo_surface_t* into, float t) {
  cairo_surface_flush(a);
  cairo_surface_flush(b);
  cairo_surface_flush(into);
  int h = cairo_image_surface_get_height(into);
  size_t stride = size_t(cairo_image_surface_get_stride(into)), bytes = size_t(cairo_image_surface_get_width(into)) * 4;
  uint32_t wb = uint32_t(std::lround(std::clamp(t, 0.0f, 1.0f) * 65536)), wa = 65536 - wb;
  const uint8_t *pa = cairo_image_surface_get_data(a), *pb = cairo_image_surface_get_data(b);
  uint8_t* out = cairo_image_surface_get_data(into);
  for (int y = 0; y < h; ++y)
    for (size_t k = y * stride, end = k + bytes; k < end; ++k)
      out[k] = uint8_t((pa[k] * wa + pb[k] * wb + 32768) >> 16);
  cairo_surface_mark_dirty(into);
}

// `small`, blurred from `source` reduced by `factor`, scaled back up to device pixels over
// `area`; into `reuse` when that has the size and format. An opaque blur gets a surface
// without alpha, which is drawn by copying.
SurfacePtr enlarged(cairo_surface_t* small, PixelRect source, int factor, PixelRect area, SurfacePtr reuse) {
  cairo_format_t format = opaque(small) ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32;
  SurfacePtr out = std::move(reuse);
  if (!out || cairo_image_surface_get_format(out.get()) != format || cairo_image_surface_get_width(out.get()) != area.width ||
      cairo_image_surface_get_height(out.get()) != area.height)
    out.reset(cairo_image_surface_create(format, area.width, area.height));
  cairo_t* c = cairo_create(out.get());
  cairo_translate(c, source.x - area.x, source.y - area.y);
  cairo_scale(c, factor, factor);
  paintResampled(c, small, CAIRO_FILTER_BILINEAR);
  cairo_destroy(c);
  return out;
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

lv::render::BlurCache::Reduction lv::render::BlurCache::reductionFor(const Beneath& beneath, PixelRect area,
                                                                   double scale) const {
  double reach = look_.radius * scale;
  return {intersection(outset(area, int(std::ceil(reach))), beneath.extent()), std::max(1, int(reach / kPasses / 4))};
}

lv::render::BlurToDraw lv::render::BlurCache::blurred(const Beneath& beneath, PixelRect area, double scale) {
  PixelRect read = outset(area, int(std::ceil(look_.radius * scale)));
  auto keyFor = [&](id apart) {
    return Key{Hasher().add(beneath.signature(read, apart)).add(scale).value(), area.x, area.y, area.width, area.height};
  };
  Key exact = keyFor(nullptr);
  if (auto it = entries_.find(exact); it != entries_.end()) {
    it->second.used = true;
    return {it->second.surface.get()};
  }
  Reduction r = reductionFor(beneath, area, scale);
  for (const DrawnOpacity& d : beneath.translucent(read)) {
    Key apart = keyFor(d.object);
    seenApartNow_.insert(apart);
    auto fade = fades_.find(apart);
    if (fade == fades_.end() && seenApart_.contains(apart))
      fade = fades_.emplace(apart, makeFade(beneath, r, area, scale, d.object)).first;
    if (fade != fades_.end()) return mix(fade->second, r, area, d.opacity);
  }
  Entry& e = entries_[exact];
  e.surface = enlarged(blurReduced(beneath, r, scale, std::nullopt).get(), r.source, r.factor, area, nullptr);
  e.used = true;
  return {e.surface.get()};
}

lv::render::BlurCache::Fade lv::render::BlurCache::makeFade(const Beneath& beneath, Reduction r, PixelRect area,
                                                          double scale, id object) {
  Fade fade;
  fade.without = blurReduced(beneath, r, scale, DrawnOpacity{object, 0});
  fade.with = blurReduced(beneath, r, scale, DrawnOpacity{object, 1});
  if (opaque(fade.without.get()) && opaque(fade.with.get())) {
    fade.withoutShown = enlarged(fade.without.get(), r.source, r.factor, area, nullptr);
    fade.withShown = enlarged(fade.with.get(), r.source, r.factor, area, nullptr);
  }
  return fade;
}

// Blurs at a reduced resolution, which a blur this wide cannot tell from the full one;
// what lies beneath is painted again at that resolution. The tint is even, so laying it
// over before scaling up gives the same pixels.
lv::render::SurfacePtr lv::render::BlurCache::blurReduced(const Beneath& beneath, Reduction r, double scale,
                                                        std::optional<DrawnOpacity> change) {
  // Whole reduced pixels only: a pixel only partly painted would let the blur thin out
  // towards that edge; scaling back up repeats the edge over the few pixels left out.
  int sw = std::max(1, r.source.width / r.factor), sh = std::max(1, r.source.height / r.factor);
  SurfacePtr small(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, sw, sh));
  cairo_t* c = cairo_create(small.get());
  cairo_translate(c, -double(r.source.x) / r.factor, -double(r.source.y) / r.factor);
  beneath.paint(c, r.factor, change);
  cairo_destroy(c);
  boxBlur(small.get(), int(std::lround(look_.radius * scale / kPasses / r.factor)));
  c = cairo_create(small.get());
  cairo_set_source_rgba(c, 0, 0, 0, look_.tintAlpha);
  cairo_paint(c);
  cairo_destroy(c);
  ++computed_;
  return small;
}

lv::render::BlurToDraw lv::render::BlurCache::mix(Fade& fade, Reduction r, PixelRect area, float opacity) const {
  fade.used = true;
  if (fade.withShown) return {fade.withoutShown.get(), fade.withShown.get(), opacity};
  if (fade.opacity == opacity && fade.surface) return {fade.surface.get()};
  if (!fade.mixed)
    fade.mixed.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(fade.with.get()),
                                                cairo_image_surface_get_height(fade.with.get())));
  mixPixels(fade.without.get(), fade.with.get(), fade.mixed.get(), opacity);
  fade.surface = enlarged(fade.mixed.get(), r.source, r.factor, area, std::move(fade.surface));
  fade.opacity = opacity;
  return {fade.surface.get()};
}

void lv::render::BlurCache::endFrame() {
  keepUsed(entries_, [](auto& item) -> Entry& { return item.second; });
  keepUsed(fades_, [](auto& item) -> Fade& { return item.second; });
  seenApart_ = std::exchange(seenApartNow_, {});
}
