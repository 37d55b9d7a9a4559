#include <gtest/gtest.h>

#include "render/image_cache.h"
#include "render_support.h"

using namespace render_support;

namespace {

// 40 × 20 points: red on the left half, blue on the right.
id redBlue() { return twoColorImage(80, 40, {255, 0, 0, 255}, {0, 0, 255, 255}, 2); }

Ref<> imageView(id window, NSInteger mode, CGRect frame = CGRectMake(0, 0, 100, 100), id image = redBlue()) {
  Ref<> v = addView(window, frame, nil, "UIImageView");
  send<void>(v, "setImage:"_sel, image);
  send<void>(v, "setContentMode:"_sel, mode);
  return v;
}

const PaintCase kCases[] = {
    {"ScaleToFillStretchesOverTheBounds", 1, [](id w) { imageView(w, 0); },
     {{2, 2, kRed}, {45, 97, kRed}, {55, 2, kBlue}, {97, 97, kBlue}}},
    // 2:1 in a square: 100 × 50, from y 25 to 75.
    {"AspectFitLeavesBandsAboveAndBelow", 1, [](id w) { imageView(w, 1); },
     {{10, 20, kWhite}, {10, 30, kRed}, {90, 70, kBlue}, {90, 80, kWhite}}},
    // The 2:1 image fills each 50-point square as 100 × 50, centred: 0 to 100 across, unless clipped.
    {"AspectFillOverflowsUnlessClipped", 1,
     [](id w) {
       imageView(w, 2, CGRectMake(25, 0, 50, 50));
       send<void>(imageView(w, 2, CGRectMake(25, 50, 50, 50)), "setClipsToBounds:"_sel, true);
     },
     {{5, 25, kRed}, {95, 25, kBlue}, {5, 75, kWhite}, {30, 75, kRed}, {70, 75, kBlue}, {95, 75, kWhite}}},
    // 40 × 20 points centred: 30 to 70 across, 40 to 60 down.
    {"CenterKeepsTheImageSize", 1, [](id w) { imageView(w, 4); },
     {{29, 50, kWhite}, {31, 50, kRed}, {69, 50, kBlue}, {50, 39, kWhite}}},
    {"TransparentPixelsShowWhatIsBeneath", 1,
     [](id w) { imageView(w, 0, CGRectMake(0, 0, 100, 100), twoColorImage(2, 2, {255, 0, 0, 0}, {0, 0, 255, 128})); },
     {{10, 50, kWhite}, {90, 50, {127, 127, 255, 255}, 2}}},
    {"NoImageDrawsOnlyTheBackground", 1,
     [](id w) { send<void>(imageView(w, 0, CGRectMake(0, 0, 100, 100), nil), "setBackgroundColor:"_sel, color(0, 0, 1)); },
     {{50, 50, kBlue}}},
};

INSTANTIATE_TEST_SUITE_P(ImageViews, ScenePaint, testing::ValuesIn(kCases), caseName);

TEST_F(Scene, SteadyImageLooksTheSameFromItsResampledCopy) {
  imageView(window.get(), 1, CGRectMake(3.3, 10.6, 90, 80), twoColorImage(7, 5, {255, 0, 0, 255}, {0, 0, 255, 255}));
  lv::render::Picture first = draw(renderer, window.get(), 3);
  lv::render::Picture second = draw(renderer, window.get(), 3);
  for (int y = 0; y < first.height(); y += 7)
    for (int x = 0; x < first.width(); x += 5) ASSERT_EQ(first.pixel(x, y), second.pixel(x, y)) << x << "," << y;
}

const UIImage* plainImage(uint8_t alpha = 255) {
  return static_cast<const UIImage*>(twoColorImage(4, 4, {1, 2, 3, 255}, {4, 5, 6, alpha}));
}

TEST_F(Scene, ImageCacheResamplesOnceTheSizeHoldsAndKeepsOnlyWhatAFrameAskedFor) {
  lv::render::ImageCache cache;
  const UIImage *image = plainImage(), *translucent = plainImage(254);
  EXPECT_NE(lv::render::ImageCache::key(image), lv::render::ImageCache::key(plainImage())) << "one key per image";
  EXPECT_EQ(cairo_image_surface_get_format(cache.surface(image)), CAIRO_FORMAT_RGB24) << "opaque: no alpha";
  EXPECT_EQ(cairo_image_surface_get_format(cache.surface(translucent)), CAIRO_FORMAT_ARGB32);
  EXPECT_EQ(cache.resampled(image, 4, 4), cache.surface(image)) << "already that size";
  EXPECT_EQ(cache.resampled(image, 8, 8), nullptr);
  cairo_surface_t* sized = cache.resampled(image, 8, 8);
  ASSERT_NE(sized, nullptr);
  EXPECT_EQ(cairo_image_surface_get_width(sized), 8);
  EXPECT_EQ(cache.resampled(image, 9, 9), nullptr) << "another size starts over";
  EXPECT_EQ(cache.resampled(image, 8, 8), sized) << "beside the first";
  cache.endFrame();
  EXPECT_EQ(cache.resampled(image, 8, 8), sized);
  EXPECT_NE(cache.resampled(image, 9, 9), nullptr) << "asked in two frames running";
  cache.endFrame();
  EXPECT_EQ(cache.size(), 1u) << "the translucent image was not asked for";
  cache.resampled(image, 9, 9);
  cache.endFrame();
  EXPECT_EQ(cache.resampled(image, 8, 8), nullptr) << "dropped by a frame that did not ask";
}

}  // namespace
