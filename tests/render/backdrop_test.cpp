#include <gtest/gtest.h>

#include "render_support.h"

using namespace render_support;

namespace {

// A striped wallpaper (sharp black and white bars 10 points wide) under a backdrop that
// covers the right half of the window, drawn at a quarter opacity and then whole: its own
// opacity is not beneath it. Last, it is moved into a translucent container over blue.
TEST_F(Scene, BackdropBlursAndDarkensWhatLiesBeneathOncePerChangeBeneath) {
  window = makeWindow(200, 100);
  for (int x = 0; x < 200; x += 20) addView(window.get(), CGRectMake(x, 0, 10, 100), color(0, 0, 0));
  Ref<> backdrop = addView(window.get(), CGRectMake(100, 0, 100, 100), nil, class_getName(classNamed("_UIBackdropView")));
  auto blurred = [](const lv::render::Picture& p) { return stats(p, 240, 40, 360, 160); };
  send<void>(backdrop, "setAlpha:"_sel, 0.25);
  lv::render::Picture faint = draw(renderer, window.get(), 2);
  send<void>(backdrop, "setAlpha:"_sel, 1.0);
  lv::render::Picture before = draw(renderer, window.get(), 2);
  Stats plain = stats(before, 0, 0, 200, 200);
  EXPECT_NEAR(plain.mean, 127, 2);
  EXPECT_LT(blurred(before).variance, plain.variance / 100) << "the bars are blurred together";
  EXPECT_NEAR(blurred(before).mean, plain.mean * 0.55, plain.mean * 0.1) << "and darkened";
  EXPECT_GT(blurred(faint).variance, blurred(before).variance);
  EXPECT_EQ(renderer.blursComputed(), 1);

  send<void>(window, "setBackgroundColor:"_sel, color(1, 0, 0));
  lv::render::Picture after = draw(renderer, window.get(), 2);
  EXPECT_EQ(renderer.blursComputed(), 2);
  EXPECT_EQ(after.pixel(300, 100).r, before.pixel(300, 100).r);
  EXPECT_LT(after.pixel(300, 100).g, before.pixel(300, 100).g - 20) << "white gaps became red";

  addView(window.get(), CGRectMake(150, 0, 20, 20), color(1, 0, 0));
  draw(renderer, window.get(), 2);
  EXPECT_EQ(renderer.blursComputed(), 2) << "above the backdrop: not beneath it";
  Ref<> beneath = makeView(CGRectMake(150, 50, 20, 20), color(0, 0, 1));
  send<void>(window, "insertSubview:belowSubview:"_sel, beneath.get(), backdrop.get());
  draw(renderer, window.get(), 2);
  draw(renderer, window.get(), 2);
  EXPECT_EQ(renderer.blursComputed(), 3);

  Ref<> container = addView(window.get(), CGRectMake(0, 0, 200, 100));
  send<void>(container, "setAlpha:"_sel, 0.99);
  addView(container.get(), CGRectMake(0, 0, 200, 100), color(0, 0, 1));
  send<void>(container, "addSubview:"_sel, backdrop.get());
  lv::render::Pixel under = draw(renderer, window.get(), 2).pixel(300, 100);
  EXPECT_GT(under.b, 100) << "the blue inside the container is beneath the backdrop";
  EXPECT_LT(under.r, 10);
}

// A red square fading in under a backdrop over the bars: after two frames the blur is mixed
// from kept ones, and every frame matches a blur computed afresh, up to rounding.
TEST_F(Scene, BackdropOverAFadeMixesKeptBlursAsBlurringAgainWould) {
  window = makeWindow(150, 100);
  for (int x = 0; x < 150; x += 20) addView(window.get(), CGRectMake(x, 0, 10, 100), color(0, 0, 0));
  Ref<> fading = addView(window.get(), CGRectMake(40, 20, 60, 60), color(1, 0, 0));
  addView(window.get(), CGRectMake(0, 0, 150, 100), nil, class_getName(classNamed("_UIBackdropView")));
  for (double opacity : {0.1, 0.2, 0.35, 0.5, 0.73, 0.9, 0.99}) {
    send<void>(fading, "setAlpha:"_sel, opacity);
    lv::render::Picture kept = draw(renderer, window.get(), 2);
    lv::render::Renderer fresh;
    lv::render::Picture again = draw(fresh, window.get(), 2);
    int worst = 0;
    for (int y = 0; y < kept.height(); ++y)
      for (int x = 0; x < kept.width(); ++x) worst = std::max(worst, distance(kept.pixel(x, y), again.pixel(x, y)));
    EXPECT_LE(worst, 2) << "at opacity " << opacity;
  }
  EXPECT_EQ(renderer.blursComputed(), 3) << "one blur, then the two kept through the fade";
}

}  // namespace
