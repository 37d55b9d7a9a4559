#include <gtest/gtest.h>

#include <string>

#include "render/stock_looks.h"
#include "render_support.h"

using namespace render_support;

namespace {

// The wallpaper's dusk gradient; over it, a routing button beside the top and the transport
// controls' three buttons near the bottom, all on black.
TEST_F(Scene, StockLooksDrawADuskWallpaperAndGlyphsOverTheirButtons) {
  window = makeWindow(100, 200);
  renderer.rules().add("LooksWallpaper", lv::render::wallpaperRule());
  renderer.rules().add("LooksRouting", lv::render::routingGlyphRule());
  renderer.rules().add("LooksTransport", lv::render::transportGlyphsRule([](id) { return false; }));
  auto add = [&](const char* cls, CGRect frame) {
    return addView(window.get(), frame, color(0, 0, 0), class_getName(classNamed(cls)));
  };
  add("LooksWallpaper", CGRectMake(0, 0, 100, 200));
  add("LooksRouting", CGRectMake(55, 10, 40, 40));
  Ref<> controls = add("LooksTransport", CGRectMake(0, 150, 100, 40));
  for (double x : {0.0, 35.0, 70.0}) addView(controls.get(), CGRectMake(x, 5, 30, 30), color(0.1, 0.1, 0.1));
  lv::render::Picture p = draw(renderer, window.get(), 2);
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

// A look that shows a view's state draws again when the state changes, with nothing else
// changed: a point lit by one glyph and dark under the other.
struct StateCase {
  const char* name;
  lv::render::PaintRule (*rule)(lv::render::ViewState);
  int buttons;  // subviews the look draws over
  int x, y;     // the point, in pixels at scale 2
  bool litWhenOn;
};

const StateCase kStateCases[] = {
    {"transport: play while paused, between the pause bars", lv::render::transportGlyphsRule, 3, 100, 100, true},
    {"quick action: the camera's body, beside the torch", lv::render::quickActionGlyphRule, 0, 116, 100, true},
};

TEST_F(Scene, StockLooksRedrawWhenTheStateTheyShowChanges) {
  for (const StateCase& c : kStateCases) {
    SCOPED_TRACE(c.name);
    bool on = false;
    std::string cls = std::string("LooksState") + std::to_string(&c - kStateCases);
    renderer.rules().add(cls, c.rule([&on](id) { return on; }));
    window = makeWindow(100, 100);
    Ref<> view = addView(window.get(), CGRectMake(30, 30, 40, 40), color(0, 0, 0), class_getName(classNamed(cls.c_str())));
    if (c.buttons == 3)
      for (double x : {-35.0, 5.0, 45.0}) addView(view.get(), CGRectMake(x, 5, 30, 30), color(0, 0, 0));
    for (bool state : {false, true}) {
      on = state;
      lv::render::Picture p = draw(renderer, window.get(), 2);
      bool lit = stats(p, c.x - 1, c.y - 1, c.x + 1, c.y + 1).mean > 150;
      EXPECT_EQ(lit, state == c.litWhenOn) << "state " << state;
    }
  }
}

}  // namespace
