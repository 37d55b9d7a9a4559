#include "uikit/png_file.h"

#include <png.h>

#include "foundation/file_contents.h"

namespace uikit {

namespace {

// Beyond any PNG of the largest size allowed, stored without compression.
constexpr size_t kMaxFileBytes = 320u << 20;

fnd::ReadError refused(std::string why) { return {std::move(why)}; }

struct PngImage {
  png_image image{};
  PngImage() { image.version = PNG_IMAGE_VERSION; }
  ~PngImage() { png_image_free(&image); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
};

}  // namespace

fnd::Result<PngPixels, fnd::ReadError> readPngFile(const std::string& path) {
  auto file = fnd::readRegularFile(path, kMaxFileBytes);
  if (!file) return file.error();
  const std::string& bytes = file.value();
  static const char signature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
  if (bytes.compare(0, 8, signature, 8) != 0) return refused("not a PNG image");
  PngImage reading;
  png_image& image = reading.image;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
    return refused(std::string("damaged PNG image (") + image.message + ")");
  if (image.width > kMaxImageSide || image.height > kMaxImageSide)
    return refused(std::to_string(image.width) + " × " + std::to_string(image.height) +
                   " pixels, more than the " + std::to_string(kMaxImageSide) + " × " +
                   std::to_string(kMaxImageSide) + " an image may have");
  image.format = PNG_FORMAT_RGBA;
  PngPixels pixels;
  pixels.width = image.width;
  pixels.height = image.height;
  pixels.rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.rgba.data(), 0, nullptr))
    return refused(std::string("damaged PNG image (") + image.message + ")");
  return pixels;
}

fnd::Result<void, fnd::WriteError> writePngFile(const std::string& path, const PngPixels& pixels) {
  PngImage writing;
  png_image& image = writing.image;
  image.width = png_uint_32(pixels.width);
  image.height = png_uint_32(pixels.height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(image, size, 0, pixels.rgba.data(), 0, nullptr))
    return fnd::WriteError{path, image.message};
  std::string png(size, '\0');
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, pixels.rgba.data(), 0, nullptr))
    return fnd::WriteError{path, image.message};
  png.resize(size);
  return fnd::writeFileAtomically(path, png);
}

}  // namespace uikit
