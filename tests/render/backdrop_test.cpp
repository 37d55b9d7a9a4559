#include <gtest/gtest.h>

#include "render_support.h"

using namespace render_support;

namespace {

// A striped wallpaper (sharp black and white bars 10 points wide) under a backdrop that
// covers the right half of the window.
struct BackdropPaint : Scene {
  Ref<> backdrop;

  void SetUp() override {
    window = makeWindow(200, 100);
    for (int x = 0; x < 200; x += 20) addView(window, CGRectMake(x, 0, 10, 100), color(0, 0, 0));
    backdrop = addView(window, CGRectMake(100, 0, 100, 100), nil, class_getName(classNamed("_UIBackdropView")));
  }
  Stats blurred(const lv::render::Picture& p) const { return stats(p, 240, 40, 360, 160); }
};

TEST_F(BackdropPaint, BlursAndDarkensWhatLiesBeneath) {
  lv::render::Picture p = draw(renderer, window, 2);
  Stats plain = stats(p, 0, 0, 200, 200);
  EXPECT_NEAR(plain.mean, 127, 2);
  EXPECT_GT(plain.variance, 15000);
  EXPECT_LT(blurred(p).variance, plain.variance / 100) << "the bars are blurred together";
  EXPECT_NEAR(blurred(p).mean, plain.mean * 0.55, plain.mean * 0.1) << "and darkened";
}

TEST_F(BackdropPaint, BlurIsComputedOncePerChangeBeneath) {
  send<void>(backdrop, "setAlpha:"_sel, 0.25);
  lv::render::Picture faint = draw(renderer, window, 2);
  send<void>(backdrop, "setAlpha:"_sel, 1.0);
  lv::render::Picture before = draw(renderer, window, 2);
  EXPECT_GT(blurred(faint).variance, blurred(before).variance);
  EXPECT_EQ(renderer.blursComputed(), 1) << "the backdrop's own opacity is not beneath it";

  send<void>(window, "setBackgroundColor:"_sel, color(1, 0, 0));
  lv::render::Picture after = draw(renderer, window, 2);
  EXPECT_EQ(renderer.blursComputed(), 2);
  EXPECT_EQ(after.pixel(300, 100).r, before.pixel(300, 100).r);
  EXPECT_LT(after.pixel(300, 100).g, before.pixel(300, 100).g - 20) << "white gaps became red";

  addView(window, CGRectMake(150, 0, 20, 20), color(1, 0, 0));
  draw(renderer, window, 2);
  EXPECT_EQ(renderer.blursComputed(), 2) << "above the backdrop: not beneath it";
  Ref<> beneath = makeView(CGRectMake(150, 50, 20, 20), color(0, 0, 1));
  send<void>(window, "insertSubview:belowSubview:"_sel, beneath.get(), backdrop.get());
  draw(renderer, window, 2);
  draw(renderer, window, 2);
  EXPECT_EQ(renderer.blursComputed(), 3);
}

TEST_F(BackdropPaint, BlurSeesBeneathInsideATranslucentContainer) {
  Ref<> container = addView(window, CGRectMake(0, 0, 200, 100));
  send<void>(container, "setAlpha:"_sel, 0.99);
  addView(container, CGRectMake(0, 0, 200, 100), color(0, 0, 1));
  send<void>(container, "addSubview:"_sel, backdrop.get());
  lv::render::Pixel under = draw(renderer, window, 2).pixel(300, 100);
  EXPECT_GT(under.b, 100) << "the blue inside the container is beneath the backdrop";
  EXPECT_LT(under.r, 10);
}

}  // namespace
