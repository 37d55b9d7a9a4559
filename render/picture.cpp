#include "render/picture.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include <sys/stat.h>

namespace render {

Picture::Picture(int width, int height, double scale)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      width_(width),
      height_(height),
      scale_(scale) {}

Picture::~Picture() {
  if (surface_) cairo_surface_destroy(surface_);
}

Picture::Picture(Picture&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)),
      width_(other.width_),
      height_(other.height_),
      scale_(other.scale_) {}

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this == &other) return *this;
  if (surface_) cairo_surface_destroy(surface_);
  surface_ = std::exchange(other.surface_, nullptr);
  width_ = other.width_;
  height_ = other.height_;
  scale_ = other.scale_;
  return *this;
}

Pixel Picture::pixel(int x, int y) const {
  if (!surface_ || x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  cairo_surface_flush(surface_);
  const unsigned char* row =
      cairo_image_surface_get_data(surface_) + size_t(y) * cairo_image_surface_get_stride(surface_);
  uint32_t argb;
  std::memcpy(&argb, row + size_t(x) * 4, 4);
  auto a = uint8_t(argb >> 24);
  if (a == 0) return {};
  auto unpremultiply = [a](uint32_t c) { return uint8_t((c * 255 + a / 2) / a); };
  return {unpremultiply(argb >> 16 & 0xff), unpremultiply(argb >> 8 & 0xff), unpremultiply(argb & 0xff), a};
}

Pixel Picture::pixelAtPoint(double x, double y) const {
  return pixel(int(std::floor(x * scale_)), int(std::floor(y * scale_)));
}

namespace {

cairo_status_t writeChunk(void* file, const unsigned char* data, unsigned int length) {
  return std::fwrite(data, 1, length, static_cast<FILE*>(file)) == length ? CAIRO_STATUS_SUCCESS
                                                                         : CAIRO_STATUS_WRITE_ERROR;
}

// A half-written PNG is removed; a device or other special file named as the target is
// left alone.
void removeIfRegular(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) std::remove(path.c_str());
}

}  // namespace

std::optional<PngError> Picture::writePng(const std::string& path) const {
  if (path.empty()) return PngError{path, "empty path"};
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return PngError{path, std::strerror(errno)};
  cairo_status_t status = cairo_surface_write_to_png_stream(surface_, writeChunk, file);
  int writeErrno = std::ferror(file) ? errno : 0;
  bool closed = std::fclose(file) == 0;
  if (!closed && !writeErrno) writeErrno = errno;
  if (status == CAIRO_STATUS_SUCCESS && closed) return std::nullopt;
  removeIfRegular(path);
  return PngError{path, writeErrno ? std::strerror(writeErrno) : cairo_status_to_string(status)};
}

}  // namespace render
