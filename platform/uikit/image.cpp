#include "uikit/image.h"

#include <algorithm>
#include <fstream>

#include "foundation/values.h"
#include "runtime/accessors.h"

namespace uikit {

namespace {

Class g_image = nullptr;

struct PngSize {
  long width = 0, height = 0;
};

// Reads the pixel size from a PNG's header chunk; zero when the file is not a PNG.
PngSize readPngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char h[24] = {};
  if (!in.read(reinterpret_cast<char*>(h), sizeof h)) return {};
  static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (!std::equal(signature, signature + 8, h) || !std::equal(h + 12, h + 16, "IHDR")) return {};
  auto be32 = [&](int at) {
    return long(h[at]) << 24 | long(h[at + 1]) << 16 | long(h[at + 2]) << 8 | long(h[at + 3]);
  };
  return {be32(16), be32(20)};
}

// "name@2x.png" is drawn at scale 2, as the device reads it.
CGFloat scaleFromName(const std::string& path) {
  size_t slash = path.find_last_of('/');
  std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
  for (int s = 2; s <= 3; ++s)
    if (name.find("@" + std::to_string(s) + "x.") != std::string::npos) return s;
  return 1;
}

id UIImage_initWithContentsOfFile(id self, SEL, id path) {
  std::string file = fnd::utf8(path);
  PngSize px = file.empty() ? PngSize{} : readPngSize(file);
  if (px.width <= 0 || px.height <= 0) return nil;
  auto* image = static_cast<UIImage*>(self);
  image->scale = scaleFromName(file);
  image->pixelWidth = px.width;
  image->pixelHeight = px.height;
  image->size = {px.width / image->scale, px.height / image->scale};
  image->path = file;
  return self;
}

id UIImage_imageWithContentsOfFile(id cls, SEL, id path) {
  return rt::autorelease(
      rt::create(reinterpret_cast<Class>(cls), "initWithContentsOfFile:"_sel, path).leak());
}

}  // namespace

id imageWithRGBA(long width, long height, CGFloat scale, std::vector<uint8_t> rgba) {
  if (width <= 0 || height <= 0 || !(scale > 0))
    rt::fatal("uikit::imageWithRGBA: width, height and scale must be positive");
  if (rgba.size() != size_t(width) * size_t(height) * 4)
    rt::fatal("uikit::imageWithRGBA: buffer of " + std::to_string(rgba.size()) +
              " bytes for " + std::to_string(width) + "x" + std::to_string(height) + " pixels");
  auto* image = static_cast<UIImage*>(rt::allocateInstance(g_image));
  image->scale = scale;
  image->pixelWidth = width;
  image->pixelHeight = height;
  image->size = {width / scale, height / scale};
  image->rgba = std::make_shared<const std::vector<uint8_t>>(std::move(rgba));
  return rt::autorelease(image);
}

void registerImageClass() {
  Class c = g_image = rt::defineClass<UIImage>("UIImage", rt::rootClass());
  rt::addClassMethod(c, "imageWithContentsOfFile:"_sel, UIImage_imageWithContentsOfFile);
  rt::addMethod(c, "initWithContentsOfFile:"_sel, UIImage_initWithContentsOfFile);
  rt::addMethod(c, "size"_sel, rt::fieldGetter<&UIImage::size>);
  rt::addMethod(c, "scale"_sel, rt::fieldGetter<&UIImage::scale>);
}

}  // namespace uikit
