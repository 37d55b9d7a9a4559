#include <gtest/gtest.h>

#include "render/host_looks.h"
#include "render_support.h"

using namespace render_support;

namespace {

// The wallpaper's dusk gradient; over it, a routing button beside the top and the transport
// controls' three buttons near the bottom, all on black.
TEST_F(Scene, HostLooksDrawADuskWallpaperAndGlyphsOverTheirButtons) {
  window = makeWindow(100, 200);
  lv::render::addHostLooks(renderer.rules());
  auto add = [&](const char* cls, CGRect frame) {
    return addView(window, frame, color(0, 0, 0), class_getName(classNamed(cls)));
  };
  add("SBFStaticWallpaperView", CGRectMake(0, 0, 100, 200));
  add("MRUNowPlayingRoutingButton", CGRectMake(55, 10, 40, 40));
  Ref<> controls = add("MRUNowPlayingTransportControlsView", CGRectMake(0, 150, 100, 40));
  for (double x : {0.0, 35.0, 70.0}) addView(controls, CGRectMake(x, 5, 30, 30), color(0.1, 0.1, 0.1));
  lv::render::Picture p = draw(renderer, window, 2);
  lv::render::Pixel top = p.pixel(100, 2), middle = p.pixel(100, 200), bottom = p.pixel(100, 397);
  EXPECT_GT(top.b, top.r) << "blue above";
  EXPECT_GT(bottom.r, bottom.b) << "warm below";
  EXPECT_GT(middle.g, top.g);
  EXPECT_LT(stats(p, 0, 195, 200, 205).variance, 2) << "smooth across";

  EXPECT_GT(p.pixel(150, 76).r, 200) << "the routing triangle's middle";
  EXPECT_EQ(p.pixel(105, 60), p.pixel(2, 60)) << "beside the routing button, the wallpaper";
  EXPECT_GT(stats(p, 88, 330, 94, 350).mean, 200) << "the middle button's left pause bar";
  EXPECT_LT(stats(p, 97, 330, 103, 350).mean, 40) << "the gap between the bars: the button";
  EXPECT_GT(stats(p, 22, 338, 30, 342).mean, 200) << "the back glyph";
  EXPECT_LT(stats(p, 0, 300, 200, 308).mean, 5) << "nothing above the buttons";
}

}  // namespace
