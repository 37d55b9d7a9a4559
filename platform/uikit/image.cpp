#include "uikit/image.h"

#include "foundation/values.h"
#include "runtime/accessors.h"
#include "runtime/class_setup.h"
#include "uikit/png_file.h"

namespace uikit {

namespace {

Class g_image = nullptr;

// "name@2x.png" is drawn at scale 2, as the device reads it.
CGFloat scaleFromName(const std::string& path) {
  size_t slash = path.find_last_of('/');
  std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
  for (int s = 2; s <= 3; ++s)
    if (name.find("@" + std::to_string(s) + "x.") != std::string::npos) return s;
  return 1;
}

void setPixels(UIImage* image, long width, long height, CGFloat scale, std::vector<uint8_t> rgba) {
  image->scale = scale;
  image->pixelWidth = width;
  image->pixelHeight = height;
  image->size = {width / scale, height / scale};
  image->rgba = std::make_shared<const std::vector<uint8_t>>(std::move(rgba));
}

id UIImage_initWithContentsOfFile(id self, SEL, id path) {
  std::string file = fnd::utf8(path);
  if (file.empty()) return nil;
  auto png = readPngFile(file);
  if (!png) return nil;
  PngPixels& pixels = png.value();
  setPixels(static_cast<UIImage*>(self), pixels.width, pixels.height, scaleFromName(file), std::move(pixels.rgba));
  return self;
}

id UIImage_imageWithContentsOfFile(id cls, SEL, id path) {
  return rt::autorelease(rt::create(reinterpret_cast<Class>(cls), "initWithContentsOfFile:"_sel, path));
}

}  // namespace

id imageWithRGBA(long width, long height, CGFloat scale, std::vector<uint8_t> rgba) {
  if (width <= 0 || height <= 0 || !(scale > 0))
    rt::fatal("uikit::imageWithRGBA: width, height and scale must be positive");
  if (rgba.size() != size_t(width) * size_t(height) * 4)
    rt::fatal("uikit::imageWithRGBA: buffer of " + std::to_string(rgba.size()) +
              " bytes for " + std::to_string(width) + "x" + std::to_string(height) + " pixels");
  auto* image = static_cast<UIImage*>(rt::allocateInstance(g_image));
  setPixels(image, width, height, scale, std::move(rgba));
  return rt::autorelease(image);
}

namespace {

void registerImageClass() {
  Class c = g_image = rt::defineClass<UIImage>("UIImage", "NSObject");
  rt::addClassMethod(c, "imageWithContentsOfFile:"_sel, UIImage_imageWithContentsOfFile);
  rt::addMethod(c, "initWithContentsOfFile:"_sel, UIImage_initWithContentsOfFile);
  rt::addMethod(c, "size"_sel, rt::fieldGetter<&UIImage::size>);
  rt::addMethod(c, "scale"_sel, rt::fieldGetter<&UIImage::scale>);
}

LV_CLASS_SETUP(registerImageClass);

}  // namespace

}  // namespace uikit
