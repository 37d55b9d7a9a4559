#include "render/image_cache.h"

#include <algorithm>

#include "render/hasher.h"

namespace lv::render {

namespace {

std::string identity(const UIImage* image) {
  return "rgba:" + std::to_string(reinterpret_cast<uintptr_t>(image->rgba.get()));
}

SurfacePtr checked(cairo_surface_t* s) {
  SurfacePtr owned(s);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) owned.reset();
  return owned;
}

bool opaque(const UIImage* image) {
  const std::vector<uint8_t>& bytes = *image->rgba;
  for (size_t i = 3; i < bytes.size(); i += 4)
    if (bytes[i] != 255) return false;
  return true;
}

// Straight RGBA bytes to cairo's premultiplied native-endian ARGB words. An opaque image
// gets a surface without alpha, which cairo copies instead of blending.
SurfacePtr fromRGBA(const UIImage* image) {
  int w = int(image->pixelWidth), h = int(image->pixelHeight);
  cairo_format_t format = opaque(image) ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32;
  SurfacePtr s = checked(cairo_image_surface_create(format, w, h));
  if (!s) return s;
  cairo_surface_flush(s.get());
  unsigned char* data = cairo_image_surface_get_data(s.get());
  int stride = cairo_image_surface_get_stride(s.get());
  const uint8_t* src = image->rgba->data();
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < w; ++x, src += 4) {
      uint32_t a = src[3];
      auto pre = [a](uint32_t c) { return (c * a + 127) / 255; };
      row[x] = a << 24 | pre(src[0]) << 16 | pre(src[1]) << 8 | pre(src[2]);
    }
  }
  cairo_surface_mark_dirty(s.get());
  return s;
}

SurfacePtr resample(cairo_surface_t* pixels, int width, int height) {
  SurfacePtr s(cairo_image_surface_create(cairo_image_surface_get_format(pixels), width, height));
  cairo_t* cr = cairo_create(s.get());
  cairo_scale(cr, double(width) / cairo_image_surface_get_width(pixels),
              double(height) / cairo_image_surface_get_height(pixels));
  paintResampled(cr, pixels, CAIRO_FILTER_GOOD);
  cairo_destroy(cr);
  return s;
}

}  // namespace

}  // namespace lv::render

lv::render::ImageCache::Entry* lv::render::ImageCache::entryFor(const UIImage* image) {
  if (!image || !image->rgba) return nullptr;
  auto [it, added] = entries_.try_emplace(identity(image));
  Entry& e = it->second;
  if (added) {
    e.pixels = image->rgba;
    e.surface = fromRGBA(image);
  }
  e.used = true;
  return &e;
}

cairo_surface_t* lv::render::ImageCache::surface(const UIImage* image) {
  Entry* e = entryFor(image);
  return e ? e->surface.get() : nullptr;
}

cairo_surface_t* lv::render::ImageCache::resampled(const UIImage* image, int width, int height) {
  Entry* e = entryFor(image);
  if (!e || !e->surface || width <= 0 || height <= 0) return nullptr;
  cairo_surface_t* original = e->surface.get();
  if (width == cairo_image_surface_get_width(original) && height == cairo_image_surface_get_height(original))
    return original;
  auto it = std::find_if(e->sizes.begin(), e->sizes.end(),
                         [&](const Resampled& r) { return r.width == width && r.height == height; });
  if (it == e->sizes.end()) {
    e->sizes.push_back({width, height, nullptr});
    return nullptr;
  }
  it->used = true;
  if (!it->surface) it->surface = resample(original, width, height);
  return it->surface.get();
}

uint64_t lv::render::ImageCache::key(const UIImage* image) {
  if (!image) return 0;
  return Hasher().add(identity(image)).add(image->size.width).add(image->size.height).value();
}

void lv::render::ImageCache::endFrame() {
  keepUsed(entries_, [](auto& item) -> Entry& { return item.second; });
  for (auto& [name, entry] : entries_) keepUsed(entry.sizes, [](Resampled& r) -> Resampled& { return r; });
}
