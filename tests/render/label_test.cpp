#include <gtest/gtest.h>

#include <string>

#include "render_support.h"
#include "uikit/font.h"

using namespace render_support;

namespace {

// Where ink (any pixel darker than the white window) lies across a band of rows.
struct Ink { int left = -1, right = -1; };

Ink inkIn(const lv::render::Picture& p, int y0, int y1) {
  Ink ink;
  for (int x = 0; x < p.width(); ++x)
    for (int y = y0; y < y1 && ink.right != x; ++y)
      if (p.pixel(x, y).g < 128) ink = {ink.left < 0 ? x : ink.left, x};
  return ink;
}

struct LabelPaint : Scene {
  LabelPaint() { window = makeWindow(300, 60); }

  Ref<> label(const char* text, CGRect frame = CGRectMake(0, 0, 300, 60)) {
    Ref<> l = addView(window.get(), frame, nil, "UILabel");
    send<void>(l, "setText:"_sel, fnd::string(text));
    send<void>(l, "setFont:"_sel, uikit::systemFont(20, 0.3));
    send<void>(l, "setTextColor:"_sel, color(0, 0, 0));
    return l;
  }
};

// Left (as it starts), right and centred.
TEST_F(LabelPaint, TextIsAlignedAndCentredVertically) {
  Ref<> l = label("Lumen");
  Ink left = inkIn(draw(renderer, window.get()), 0, 60);
  EXPECT_TRUE(left.left >= 0 && left.left < 5) << left.left;
  send<void>(l, "setTextAlignment:"_sel, 2L);
  Ink right = inkIn(draw(renderer, window.get()), 0, 60);
  EXPECT_GT(right.right, 294);
  EXPECT_NEAR(right.right - right.left, left.right - left.left, 1);
  send<void>(l, "setTextAlignment:"_sel, 1L);
  lv::render::Picture p = draw(renderer, window.get());
  EXPECT_NEAR(inkIn(p, 0, 60).left + inkIn(p, 0, 60).right, 300, 4);
  EXPECT_EQ(inkIn(p, 0, 15).left + inkIn(p, 45, 60).left, -2) << "no ink in the top or bottom quarter";
}

// Sized to fit, all of the text shows, in its colour, with its shadow 30 points down;
// narrower, the text is cut at the frame.
TEST_F(LabelPaint, MeasuredWidthShowsAllOfTheTextInItsColourAndShadow) {
  Ref<> l = label("A title of some length", CGRectMake(0, 0, 10, 30));
  send<void>(l, "setTextColor:"_sel, color(0, 0, 1));
  send<void>(l, "setShadowColor:"_sel, color(1, 0, 0));
  send<void>(l, "setShadowOffset:"_sel, CGSizeMake(0, 30));
  send<void>(l, "sizeToFit"_sel);
  CGRect frame = send<CGRect>(l, "frame"_sel);
  lv::render::Picture p = draw(renderer, window.get());
  EXPECT_NEAR(inkIn(p, 0, 30).right + 1, frame.size.width, 2) << "the last glyph is drawn, not an ellipsis";
  int blue = 0, red = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 300; ++x) (y < 30 ? blue : red) += p.pixel(x, y) == (y < 30 ? kBlue : kRed);
  EXPECT_GT(blue, 50);
  EXPECT_GT(red, 50) << "the shadow";

  send<void>(l, "setFrame:"_sel, CGRectMake(0, 0, frame.size.width / 2, 30));
  EXPECT_LT(inkIn(draw(renderer, window.get()), 0, 30).right, frame.size.width / 2) << "cut at the frame";

  send<void>(l, "setFrame:"_sel, CGRectMake(0, 0, 0, 30));
  EXPECT_EQ(inkIn(draw(renderer, window.get()), 0, 30).left, -1) << "no room, no text";
}

// A line longer than a piece (uikit/text_pieces.h) is set in the pieces it is measured in:
// sized to fit and placed with its end in the window, its last glyph shows at the right
// edge, not an ellipsis; narrower, it is cut within its frame.
TEST_F(LabelPaint, ALongLineInTwoDirectionsSizedToFitShowsItsEnd) {
  std::string text;
  while (text.size() < 3000) text += "night \u05DC\u05D9\u05DC\u05D4 ";
  Ref<> l = label((text + "end").c_str());
  send<void>(l, "sizeToFit"_sel);
  double width = send<CGRect>(l, "frame"_sel).size.width;
  send<void>(l, "setFrame:"_sel, CGRectMake(300 - width, 0, width, 60));
  EXPECT_GT(inkIn(draw(renderer, window.get()), 0, 60).right, 295);
  send<void>(l, "setFrame:"_sel, CGRectMake(300 - width, 0, width - 30, 60));
  EXPECT_LT(inkIn(draw(renderer, window.get()), 0, 60).right, 270);
}

}  // namespace
