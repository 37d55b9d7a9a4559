#include <gtest/gtest.h>

#include "render/host_looks.h"
#include "render_support.h"

using namespace render_support;

namespace {

struct HostLooks : Scene {
  HostLooks() {
    window = makeWindow(100, 200);
    lv::render::addHostLooks(renderer.rules());
  }
  Ref<> add(const char* cls, CGRect frame, id background = nil) {
    return addView(window, frame, background, class_getName(classNamed(cls)));
  }
};

TEST_F(HostLooks, TheWallpaperIsASmoothDuskGradientOverItsBackground) {
  add("SBFStaticWallpaperView", CGRectMake(0, 0, 100, 200), color(0, 0, 0));
  lv::render::Picture p = draw(renderer, window, 2);
  lv::render::Pixel top = p.pixel(100, 2), middle = p.pixel(100, 200), bottom = p.pixel(100, 397);
  EXPECT_GT(stats(p, 0, 0, 200, 400).mean, 100) << "not the black background";
  EXPECT_GT(top.b, top.r) << "blue above";
  EXPECT_GT(bottom.r, bottom.b) << "warm below";
  EXPECT_GT(middle.g, top.g);
  EXPECT_LT(stats(p, 0, 195, 200, 205).variance, 2) << "smooth across";
}

TEST_F(HostLooks, TransportGlyphsAreDrawnOverTheirButtons) {
  Ref<> controls = add("MRUNowPlayingTransportControlsView", CGRectMake(0, 0, 100, 40), color(0, 0, 0));
  for (double x : {0.0, 35.0, 70.0}) addView(controls, CGRectMake(x, 5, 30, 30), color(0.1, 0.1, 0.1));
  lv::render::Picture p = draw(renderer, window, 2);
  EXPECT_GT(stats(p, 88, 30, 94, 50).mean, 200) << "the middle button's left pause bar";
  EXPECT_LT(stats(p, 97, 30, 103, 50).mean, 40) << "the gap between the bars: the button";
  EXPECT_GT(stats(p, 22, 38, 30, 42).mean, 200) << "the back glyph";
  EXPECT_LT(stats(p, 0, 0, 200, 8).mean, 5) << "nothing above the buttons";
}

TEST_F(HostLooks, TheRoutingGlyphIsDrawnWithinItsButton) {
  add("MRUNowPlayingRoutingButton", CGRectMake(10, 10, 40, 40), color(0, 0, 0));
  lv::render::Picture p = draw(renderer, window, 2);
  EXPECT_GT(p.pixel(60, 76).r, 200) << "the triangle's middle";
  EXPECT_EQ(p.pixel(110, 60), kWhite) << "outside the button, the window";
}

}  // namespace
