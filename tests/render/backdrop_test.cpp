#include <gtest/gtest.h>

#include "render_support.h"

using namespace render_support;

namespace {

// A striped wallpaper (sharp black and white bars 10 points wide) under a backdrop that
// covers the right half of the window.
struct BackdropPaint : testing::Test {
  rt::AutoreleasePool pool;
  render::Renderer renderer;
  Ref<> window = makeWindow(200, 100);
  Ref<> backdrop;

  void SetUp() override {
    for (int x = 0; x < 200; x += 20) addView(window, CGRectMake(x, 0, 10, 100), color(0, 0, 0));
    backdrop = addView(window, CGRectMake(100, 0, 100, 100), nil, class_getName(backdropClass()));
  }
};

TEST_F(BackdropPaint, BlursAndDarkensWhatLiesBeneath) {
  render::Picture p = draw(renderer, window, 2);
  Stats plain = stats(p, 0, 0, 200, 200), blurred = stats(p, 240, 40, 360, 160);
  EXPECT_NEAR(plain.mean, 127, 2);
  EXPECT_GT(plain.variance, 15000);
  EXPECT_LT(blurred.variance, plain.variance / 100) << "the bars are blurred together";
  EXPECT_LT(blurred.mean, plain.mean * 0.65) << "and darkened";
  EXPECT_GT(blurred.mean, plain.mean * 0.45);
}

TEST_F(BackdropPaint, BlurIsComputedOncePerChangeBeneath) {
  draw(renderer, window, 2);
  draw(renderer, window, 2);
  EXPECT_EQ(renderer.blursComputed(), 1);

  // Above the backdrop: not beneath it.
  addView(window, CGRectMake(150, 0, 20, 20), color(1, 0, 0));
  draw(renderer, window, 2);
  EXPECT_EQ(renderer.blursComputed(), 1);

  Ref<> beneath = makeView(CGRectMake(150, 50, 20, 20), color(1, 0, 0));
  send<void>(window, "insertSubview:belowSubview:"_sel, beneath.get(), backdrop.get());
  draw(renderer, window, 2);
  EXPECT_EQ(renderer.blursComputed(), 2);
  draw(renderer, window, 2);
  EXPECT_EQ(renderer.blursComputed(), 2);
}

TEST_F(BackdropPaint, ChangeBeneathRecomputesTheBlur) {
  render::Picture before = draw(renderer, window, 2);
  send<void>(window, "setBackgroundColor:"_sel, color(1, 0, 0));
  render::Picture after = draw(renderer, window, 2);
  EXPECT_EQ(renderer.blursComputed(), 2);
  EXPECT_EQ(after.pixel(300, 100).r, before.pixel(300, 100).r);
  EXPECT_LT(after.pixel(300, 100).g, before.pixel(300, 100).g - 20) << "white gaps became red";
}

TEST_F(BackdropPaint, FadingInTheBackdropKeepsOneBlur) {
  send<void>(backdrop, "setAlpha:"_sel, 0.25);
  render::Picture faint = draw(renderer, window, 2);
  send<void>(backdrop, "setAlpha:"_sel, 0.75);
  render::Picture strong = draw(renderer, window, 2);
  EXPECT_EQ(renderer.blursComputed(), 1) << "the backdrop's own opacity is not beneath it";
  EXPECT_GT(stats(faint, 240, 40, 360, 160).variance, stats(strong, 240, 40, 360, 160).variance);
}

TEST_F(BackdropPaint, BlurSeesBeneathInsideATranslucentContainer) {
  Ref<> container = addView(window, CGRectMake(0, 0, 200, 100));
  send<void>(container, "setAlpha:"_sel, 0.99);
  addView(container, CGRectMake(0, 0, 200, 100), color(0, 0, 1));
  send<void>(container, "addSubview:"_sel, backdrop.get());
  render::Picture p = draw(renderer, window, 2);
  render::Pixel under = p.pixel(300, 100);
  EXPECT_GT(under.b, 100) << "the blue inside the container is beneath the backdrop";
  EXPECT_LT(under.r, 10);
}

}  // namespace
