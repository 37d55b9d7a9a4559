#include "render/picture.h"

#include <cstring>
#include <utility>

lv::render::Picture::Picture(int width, int height, double scale)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      width_(width),
      height_(height),
      scale_(scale) {}

lv::render::Picture::~Picture() {
  if (surface_) cairo_surface_destroy(surface_);
}

lv::render::Picture::Picture(Picture&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)),
      width_(other.width_),
      height_(other.height_),
      scale_(other.scale_) {}

lv::render::Picture& lv::render::Picture::operator=(Picture&& other) noexcept {
  if (this == &other) return *this;
  if (surface_) cairo_surface_destroy(surface_);
  surface_ = std::exchange(other.surface_, nullptr);
  width_ = other.width_;
  height_ = other.height_;
  scale_ = other.scale_;
  return *this;
}

lv::render::Pixel lv::render::Picture::pixel(int x, int y) const {
  if (!surface_ || x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  cairo_surface_flush(surface_);
  const unsigned char* row =
      cairo_image_surface_get_data(surface_) + size_t(y) * cairo_image_surface_get_stride(surface_);
  uint32_t argb;
  std::memcpy(&argb, row + size_t(x) * 4, 4);
  return straightPixel(argb);
}

namespace lv::render {

namespace {

cairo_status_t appendChunk(void* png, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(png)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

}  // namespace lv::render

fnd::Result<void, lv::render::PngError> lv::render::Picture::writePng(const std::string& path) const {
  if (path.empty()) return PngError{path, "empty path"};
  std::string png;
  cairo_status_t status = cairo_surface_write_to_png_stream(surface_, appendChunk, &png);
  if (status != CAIRO_STATUS_SUCCESS) return PngError{path, cairo_status_to_string(status)};
  return fnd::writeFileAtomically(path, png);
}
