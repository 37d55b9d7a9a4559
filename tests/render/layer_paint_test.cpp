#include <gtest/gtest.h>

#include "render_support.h"

using namespace render_support;

namespace {

id layerOf(id view) { return send<id>(view, "layer"_sel); }

// A box beside each with a red subview half outside it, or a corner radius under a red subview:
// the left one unclipped, the right one clipping.
void besideEachOther(id window, double radius) {
  for (bool clips : {false, true}) {
    Ref<> box = addView(window, CGRectMake(clips ? 60 : 0, 0, 30, 30), color(0, 0, 1));
    addView(box, radius ? CGRectMake(0, 0, 30, 30) : CGRectMake(20, 20, 30, 30), color(1, 0, 0));
    send<void>(layerOf(box), "setCornerRadius:"_sel, radius);
    send<void>(box, "setClipsToBounds:"_sel, clips);
  }
}

Ref<> blackStrip(id window, CGRect frame, std::initializer_list<double> fade) {
  Ref<> strip = addView(window, frame, color(0, 0, 0));
  send<void>(layerOf(strip), "setMask:"_sel, fadeMask(CGRectMake(0, 0, frame.size.width, frame.size.height), fade).get());
  return strip;
}

constexpr lv::render::Pixel kBlack{0, 0, 0, 255};
lv::render::Pixel grey(uint8_t v) { return {v, v, v, 255}; }

const PaintCase kCases[] = {
    {"BackgroundsFillFramesAtTheScale", 3, [](id w) { addView(w, CGRectMake(10, 20, 30, 40), color(1, 0, 0)); },
     {{31, 61, kRed}, {119, 179, kRed}, {29, 61, kWhite}, {121, 61, kWhite}, {31, 181, kWhite}}},
    // The overlapping blue child is blue at half strength, not a mix of red and blue.
    {"AlphaBlendsTheSubtreeAsOneGroup", 1,
     [](id w) {
       Ref<> half = addView(w, CGRectMake(0, 0, 50, 50), color(1, 0, 0));
       addView(half, CGRectMake(0, 0, 20, 20), color(0, 0, 1));
       send<void>(half, "setAlpha:"_sel, 0.5);
     },
     {{30, 30, {255, 128, 128, 255}, 2}, {10, 10, {128, 128, 255, 255}, 2}}},
    {"AlphaOfAViewWithoutContentBlendsItsBackground", 1,
     [](id w) { send<void>(addView(w, CGRectMake(0, 0, 50, 50), color(1, 0, 0, 0.5)), "setAlpha:"_sel, 0.5); },
     {{25, 25, {255, 191, 191, 255}, 2}}},
    {"ClippingKeepsSubviewsInsideTheBounds", 1, [](id w) { besideEachOther(w, 0); },
     {{45, 45, kRed}, {85, 25, kRed}, {85, 35, kWhite}, {95, 25, kWhite}}},
    {"CornerRadiusClipsSubviewsOnlyWhenClipping", 1, [](id w) { besideEachOther(w, 10); },
     {{1, 1, kRed}, {61, 1, kWhite}, {75, 15, kRed}}},
    // The scrubber's pill: left corners kept, right ones square.
    {"MaskedCornersRoundOnlyTheirCorners", 2,
     [](id w) {
       Ref<> pill = addView(w, CGRectMake(10, 40, 80, 20), color(1, 0, 0));
       send<void>(layerOf(pill), "setCornerRadius:"_sel, 10.0);
       send<void>(layerOf(pill), "setMaskedCorners:"_sel, kCALayerMinXMinYCorner | kCALayerMinXMaxYCorner);
       send<void>(layerOf(pill), "setMasksToBounds:"_sel, true);
       send<void>(w, "setBackgroundColor:"_sel, nil);
     },
     {{21, 81, kClear}, {21, 119, kClear}, {179, 81, kRed}, {179, 119, kRed}, {40, 100, kRed}}},
    // 20 tall about y 50 becomes 30 tall: 35 to 65.
    {"ScaleTransformStretchesAboutTheCentre", 2,
     [](id w) {
       send<void>(addView(w, CGRectMake(20, 40, 60, 20), color(1, 0, 0)), "setTransform:"_sel,
                  CGAffineTransformMakeScale(1, 1.5));
     },
     {{100, 72, kRed}, {100, 128, kRed}, {100, 68, kWhite}, {100, 132, kWhite}, {38, 100, kWhite}, {42, 100, kRed}}},
    {"HiddenZeroAlphaOrSingularViewsLeaveNoTrace", 1,
     [](id w) {
       send<void>(addView(w, CGRectMake(0, 0, 50, 50), color(1, 0, 0)), "setAlpha:"_sel, 0.0);
       send<void>(addView(w, CGRectMake(50, 0, 50, 50), color(1, 0, 0)), "setTransform:"_sel, CGAffineTransformMakeScale(0, 1));
       Ref<> hidden = addView(w, CGRectMake(0, 50, 50, 50), color(1, 0, 0));
       addView(hidden, CGRectMake(0, 0, 10, 10), color(0, 0, 1));
       send<void>(hidden, "setHidden:"_sel, true);
     },
     {{25, 25, kWhite}, {75, 25, kWhite}, {5, 55, kWhite}, {40, 90, kWhite}}},
    {"ScrollViewContentOffsetMovesItsContent", 1,
     [](id w) {
       Ref<> scroll = addView(w, CGRectMake(0, 0, 100, 50), nil, "UIScrollView");
       addView(scroll, CGRectMake(0, 0, 20, 50), color(1, 0, 0));
       send<void>(scroll, "setContentOffset:"_sel, CGPointMake(-30, 0));
     },
     {{10, 25, kWhite}, {40, 25, kRed}}},
    // Half a second into a slide of a second, and after one of a quarter.
    {"AnimationsShowTheIntermediateAndTheEndPositions", 1,
     [](id w) {
       slideRight(addView(w, CGRectMake(0, 0, 10, 10), color(1, 0, 0)));
       slideRight(addView(w, CGRectMake(0, 0, 10, 10), color(0, 0, 1)), 0.25);
       fnd::RunLoop::main().runFor(0.5);
     },
     {{45, 5, kRed}, {5, 5, kWhite}, {85, 5, kBlue}}},
    {"GradientMaskFadesTheEdges", 1, [](id w) { blackStrip(w, CGRectMake(0, 40, 100, 20), {0, 0, 0.8, 1}); },
     {{1, 50, kBlack}, {50, 50, kBlack}, {90, 50, grey(128), 27}, {99, 50, grey(250), 10}, {50, 30, kWhite}}},
    {"MaskAndAlphaCombine", 1,
     [](id w) { send<void>(blackStrip(w, CGRectMake(0, 0, 100, 20), {0, 0, 0.5, 1}), "setAlpha:"_sel, 0.5); },
     {{10, 10, grey(128), 2}, {75, 10, grey(191), 3}}},
    {"StandaloneSublayersDrawInTheirLayer", 1,
     [](id w) {
       Ref<> host = addView(w, CGRectMake(50, 50, 40, 40));
       Ref<> sub = rt::create(objc_getClass("CALayer"));
       send<void>(sub, "setFrame:"_sel, CGRectMake(0, 0, 10, 10));
       send<void>(sub, "setBackgroundColor:"_sel, send<id>(color(0, 0, 1), "CGColor"_sel));
       send<void>(layerOf(host), "addSublayer:"_sel, sub.get());
     },
     {{55, 55, kBlue}, {45, 45, kWhite}}},
};

TEST_P(ScenePaint, ShowsWhatTheViewsHold) {
  GetParam().build(window);
  lv::render::Picture p = draw(renderer, window, GetParam().scale);
  EXPECT_EQ(p.width(), 100 * GetParam().scale);
  EXPECT_EQ(p.height(), 100 * GetParam().scale);
  for (const Probe& probe : GetParam().probes)
    EXPECT_LE(distance(p.pixel(probe.x, probe.y), probe.want), probe.tolerance)
        << "at " << probe.x << "," << probe.y << ": " << testing::PrintToString(p.pixel(probe.x, probe.y));
}

INSTANTIATE_TEST_SUITE_P(Layers, ScenePaint, testing::ValuesIn(kCases), caseName);

}  // namespace
