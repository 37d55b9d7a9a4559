#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "foundation/values.h"
#include "render/image_cache.h"
#include "render_support.h"

using namespace render_support;

namespace {

struct ImageViewPaint : testing::Test {
  rt::AutoreleasePool pool;
  render::Renderer renderer;
  Ref<> window = makeWindow(100, 100);
  // 40 × 20 points: red on the left half, blue on the right.
  id image = twoColorImage(80, 40, {255, 0, 0, 255}, {0, 0, 255, 255}, 2);

  Ref<> imageView(NSInteger mode, CGRect frame = CGRectMake(0, 0, 100, 100)) {
    Ref<> v = addView(window, frame, nil, "UIImageView");
    send<void>(v, "setImage:"_sel, image);
    send<void>(v, "setContentMode:"_sel, mode);
    return v;
  }
};

TEST_F(ImageViewPaint, ScaleToFillStretchesOverTheBounds) {
  imageView(0);
  render::Picture p = draw(renderer, window);
  EXPECT_EQ(p.pixel(2, 2), kRed);
  EXPECT_EQ(p.pixel(45, 97), kRed);
  EXPECT_EQ(p.pixel(55, 2), kBlue);
  EXPECT_EQ(p.pixel(97, 97), kBlue);
}

TEST_F(ImageViewPaint, AspectFitLeavesBandsAboveAndBelow) {
  imageView(1);
  render::Picture p = draw(renderer, window);
  // 2:1 in a square: 100 × 50, from y 25 to 75.
  EXPECT_EQ(p.pixel(10, 20), kWhite);
  EXPECT_EQ(p.pixel(10, 30), kRed);
  EXPECT_EQ(p.pixel(90, 70), kBlue);
  EXPECT_EQ(p.pixel(90, 80), kWhite);
}

TEST_F(ImageViewPaint, AspectFillOverflowsUnlessClipped) {
  Ref<> v = imageView(2, CGRectMake(25, 25, 50, 50));
  // 2:1 filling a 50-point square: 100 × 50, centred, so 0 to 100 across.
  render::Picture p = draw(renderer, window);
  EXPECT_EQ(p.pixel(5, 50), kRed);
  EXPECT_EQ(p.pixel(95, 50), kBlue);
  EXPECT_EQ(p.pixel(50, 20), kWhite);
  send<void>(v, "setClipsToBounds:"_sel, true);
  p = draw(renderer, window);
  EXPECT_EQ(p.pixel(5, 50), kWhite);
  EXPECT_EQ(p.pixel(30, 50), kRed);
  EXPECT_EQ(p.pixel(70, 50), kBlue);
}

TEST_F(ImageViewPaint, CenterKeepsTheImageSize) {
  imageView(4);
  render::Picture p = draw(renderer, window);
  // 40 × 20 points centred: 30 to 70 across, 40 to 60 down.
  EXPECT_EQ(p.pixel(29, 50), kWhite);
  EXPECT_EQ(p.pixel(31, 50), kRed);
  EXPECT_EQ(p.pixel(69, 50), kBlue);
  EXPECT_EQ(p.pixel(50, 39), kWhite);
}

TEST_F(ImageViewPaint, TransparentPixelsShowWhatIsBeneath) {
  image = twoColorImage(2, 2, {255, 0, 0, 0}, {0, 0, 255, 128});
  imageView(0);
  render::Picture p = draw(renderer, window);
  EXPECT_EQ(p.pixel(10, 50), kWhite);
  render::Pixel half = p.pixel(90, 50);
  EXPECT_NEAR(half.r, 127, 2);
  EXPECT_NEAR(half.b, 255, 1);
}

TEST_F(ImageViewPaint, ImageFromAPngFile) {
  render::Picture source(4, 4, 1);
  cairo_t* cr = cairo_create(source.surface());
  cairo_set_source_rgb(cr, 0, 0, 1);
  cairo_paint(cr);
  cairo_destroy(cr);
  std::string path = testing::TempDir() + "render_image_test.png";
  ASSERT_FALSE(source.writePng(path));
  image = send<id>(objc_getClass("UIImage"), "imageWithContentsOfFile:"_sel, fnd::string(path));
  ASSERT_TRUE(image);
  imageView(0);
  EXPECT_EQ(draw(renderer, window).pixel(50, 50), kBlue);
  std::remove(path.c_str());
}

TEST_F(ImageViewPaint, NoImageDrawsOnlyTheBackground) {
  image = nil;
  Ref<> v = imageView(0);
  send<void>(v, "setBackgroundColor:"_sel, color(0, 0, 1));
  EXPECT_EQ(draw(renderer, window).pixel(50, 50), kBlue);
}

}  // namespace

namespace {

TEST_F(ImageViewPaint, SteadyImageLooksTheSameFromItsResampledCopy) {
  image = twoColorImage(7, 5, {255, 0, 0, 255}, {0, 0, 255, 255});
  imageView(1, CGRectMake(3.3, 10.6, 90, 80));
  render::Picture first = draw(renderer, window, 3);
  render::Picture second = draw(renderer, window, 3);
  for (int y = 0; y < first.height(); y += 7)
    for (int x = 0; x < first.width(); x += 5) ASSERT_EQ(first.pixel(x, y), second.pixel(x, y)) << x << "," << y;
}

TEST(ImageCache, ResamplesOnceTheSizeHolds) {
  rt::AutoreleasePool pool;
  render::ImageCache cache;
  auto* image = static_cast<const UIImage*>(twoColorImage(4, 4, {255, 0, 0, 255}, {0, 0, 255, 255}));
  EXPECT_EQ(cache.resampled(image, 4, 4), cache.surface(image)) << "already that size";
  EXPECT_EQ(cache.resampled(image, 8, 8), nullptr);
  cairo_surface_t* sized = cache.resampled(image, 8, 8);
  ASSERT_NE(sized, nullptr);
  EXPECT_EQ(cairo_image_surface_get_width(sized), 8);
  EXPECT_EQ(cache.resampled(image, 8, 8), sized);
  EXPECT_EQ(cache.resampled(image, 9, 9), nullptr) << "another size starts over";
  EXPECT_EQ(cache.resampled(image, 8, 8), sized) << "beside the first";
  cache.endFrame();
  EXPECT_EQ(cache.resampled(image, 8, 8), sized);
  EXPECT_NE(cache.resampled(image, 9, 9), nullptr) << "asked in two frames running";
  cache.endFrame();
  cache.resampled(image, 9, 9);
  cache.endFrame();
  EXPECT_EQ(cache.resampled(image, 8, 8), nullptr) << "dropped by a frame that did not ask";
}

TEST(ImageCache, DropsWhatAFrameDidNotDraw) {
  rt::AutoreleasePool pool;
  render::ImageCache cache;
  auto* a = static_cast<const UIImage*>(twoColorImage(2, 2, {1, 2, 3, 255}, {1, 2, 3, 255}));
  auto* b = static_cast<const UIImage*>(twoColorImage(2, 2, {1, 2, 3, 255}, {1, 2, 3, 255}));
  cache.surface(a);
  cache.surface(b);
  EXPECT_NE(render::ImageCache::key(a), render::ImageCache::key(b));
  cache.endFrame();
  cache.surface(a);
  cache.endFrame();
  EXPECT_EQ(cache.size(), 1u);
}

}  // namespace

namespace {

TEST(ImageCache, OpaqueImagesNeedNoAlpha) {
  rt::AutoreleasePool pool;
  render::ImageCache cache;
  auto* opaque = static_cast<const UIImage*>(twoColorImage(2, 2, {1, 2, 3, 255}, {4, 5, 6, 255}));
  auto* translucent = static_cast<const UIImage*>(twoColorImage(2, 2, {1, 2, 3, 255}, {4, 5, 6, 254}));
  EXPECT_EQ(cairo_image_surface_get_format(cache.surface(opaque)), CAIRO_FORMAT_RGB24);
  EXPECT_EQ(cairo_image_surface_get_format(cache.surface(translucent)), CAIRO_FORMAT_ARGB32);
}

}  // namespace
