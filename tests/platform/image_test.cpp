#include <gtest/gtest.h>

#include <cairo.h>

#include <fstream>

#include "foundation/values.h"
#include "uikit/image.h"

namespace {

std::string writePng(const std::string& name, int width, int height) {
  std::string path = testing::TempDir() + name;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_surface_write_to_png(surface, path.c_str());
  cairo_surface_destroy(surface);
  return path;
}

TEST(Image, ImagesTakeTheirSizeAndScaleAndSizeTheirView) {
  Class cls = objc_getClass("UIImage");
  id plain = send<id>(cls, "imageWithContentsOfFile:"_sel, fnd::string(writePng("art.png", 300, 200)));
  ASSERT_TRUE(plain);
  EXPECT_EQ(send<CGSize>(plain, "size"_sel), CGSizeMake(300, 200));
  id retina = send<id>(cls, "imageWithContentsOfFile:"_sel, fnd::string(writePng("art@2x.png", 300, 200)));
  EXPECT_EQ(send<CGSize>(retina, "size"_sel), CGSizeMake(150, 100));
  EXPECT_EQ(send<double>(retina, "scale"_sel), 2.0);
  EXPECT_EQ(static_cast<UIImage*>(retina)->rgba->size(), 300u * 200 * 4) << "decoded when read";

  long before = rt::liveObjectCount();
  EXPECT_EQ(send<id>(cls, "imageWithContentsOfFile:"_sel, fnd::string("/nonexistent.png")), nil);
  std::string text = testing::TempDir() + "text.png";
  std::ofstream(text) << "not an image at all, really";
  EXPECT_EQ(send<id>(cls, "imageWithContentsOfFile:"_sel, fnd::string(text)), nil);
  EXPECT_EQ(rt::liveObjectCount(), before + 2);  // the two path strings

  // Pixel images must match their buffer; an image view takes its image's size.
  id image = uikit::imageWithRGBA(4, 2, 2, std::vector<uint8_t>(32, 255));
  EXPECT_EQ(send<CGSize>(image, "size"_sel), CGSizeMake(2, 1));
  Ref<> view = rt::create(objc_getClass("UIImageView"), "initWithImage:"_sel, image);
  EXPECT_EQ(send<CGRect>(view, "frame"_sel), CGRectMake(0, 0, 2, 1));
  EXPECT_FALSE(send<bool>(view, "isUserInteractionEnabled"_sel));
  EXPECT_EQ(send<CGSize>(view, "intrinsicContentSize"_sel), CGSizeMake(2, 1));
  EXPECT_DEATH(uikit::imageWithRGBA(4, 2, 1, std::vector<uint8_t>(31)), "buffer of 31 bytes for 4x2");
}

}  // namespace
