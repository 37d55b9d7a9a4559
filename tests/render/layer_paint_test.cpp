#include <gtest/gtest.h>

#include "render_support.h"

using namespace render_support;

namespace {

id layerOf(id view) { return send<id>(view, "layer"_sel); }

// Blue boxes side by side, the left one unclipped, the right one clipping: above, each with a
// red subview half outside it; below (y 60), each with a red subview under a corner radius.
void besideEachOther(id window) {
  for (double radius : {0.0, 10.0})
    for (bool clips : {false, true}) {
      Ref<> box = addView(window, CGRectMake(clips ? 60 : 0, radius ? 60 : 0, 30, 30), color(0, 0, 1));
      addView(box.get(), radius ? CGRectMake(0, 0, 30, 30) : CGRectMake(20, 20, 30, 30), color(1, 0, 0));
      send<void>(layerOf(box.get()), "setCornerRadius:"_sel, radius);
      send<void>(box, "setClipsToBounds:"_sel, clips);
    }
}

// A black strip at `alpha` under a mask through clear, black, black, clear at 0, 0, `fadeFrom`
// and 1 across: black from its left edge, fading out towards its right. The mask's y is
// given in points, as the marquee gives it.
void blackStrip(id window, CGRect frame, double alpha, double fadeFrom) {
  Ref<> strip = addView(window, frame, color(0, 0, 0));
  Ref<> mask = rt::create(objc_getClass("CAGradientLayer"));
  send<void>(mask, "setFrame:"_sel, CGRectMake(0, 0, frame.size.width, frame.size.height));
  send<void>(mask, "setStartPoint:"_sel, CGPointMake(0, frame.size.height / 2));
  send<void>(mask, "setEndPoint:"_sel, CGPointMake(1, frame.size.height / 2));
  id clear = send<id>(color(0, 0, 0, 0), "CGColor"_sel), black = send<id>(color(0, 0, 0), "CGColor"_sel);
  send<void>(mask, "setColors:"_sel, fnd::array({clear, black, black, clear}));
  send<void>(mask, "setLocations:"_sel,
             fnd::array({fnd::number(0.0), fnd::number(0.0), fnd::number(fadeFrom), fnd::number(1.0)}));
  send<void>(layerOf(strip.get()), "setMask:"_sel, mask.get());
  send<void>(strip, "setAlpha:"_sel, alpha);
}

constexpr lv::render::Pixel kBlack{0, 0, 0, 255};
lv::render::Pixel grey(uint8_t v) { return {v, v, v, 255}; }

const PaintCase kCases[] = {
    {"BackgroundsFillFramesAtTheScale", 3, [](id w) { addView(w, CGRectMake(10, 20, 30, 40), color(1, 0, 0)); },
     {{31, 61, kRed}, {119, 179, kRed}, {29, 61, kWhite}, {121, 61, kWhite}, {31, 181, kWhite}}},
    // The overlapping blue child is blue at half strength, not a mix of red and blue; a view
    // without content blends its translucent background once more.
    {"AlphaBlendsTheSubtreeAsOneGroup", 1,
     [](id w) {
       Ref<> half = addView(w, CGRectMake(0, 0, 50, 50), color(1, 0, 0));
       addView(half.get(), CGRectMake(0, 0, 20, 20), color(0, 0, 1));
       send<void>(half, "setAlpha:"_sel, 0.5);
       send<void>(addView(w, CGRectMake(50, 0, 50, 50), color(1, 0, 0, 0.5)), "setAlpha:"_sel, 0.5);
     },
     {{30, 30, {255, 128, 128, 255}, 2}, {10, 10, {128, 128, 255, 255}, 2}, {75, 25, {255, 191, 191, 255}, 2}}},
    {"ClippingKeepsSubviewsInsideTheBoundsAndTheCorners", 1, besideEachOther,
     {{45, 45, kRed}, {85, 25, kRed}, {85, 35, kWhite}, {95, 25, kWhite}, {1, 61, kRed}, {61, 61, kWhite}, {75, 75, kRed}}},
    // On a clear window: the scrubber's pill, its left corners kept and right ones square,
    // above a view whose 20 points of height about y 50 are scaled to 30: 35 to 65.
    {"MaskedCornersAndScaleTransformsShapeTheView", 2,
     [](id w) {
       Ref<> pill = addView(w, CGRectMake(10, 5, 80, 20), color(1, 0, 0));
       send<void>(layerOf(pill.get()), "setCornerRadius:"_sel, 10.0);
       send<void>(layerOf(pill.get()), "setMaskedCorners:"_sel, kCALayerMinXMinYCorner | kCALayerMinXMaxYCorner);
       send<void>(layerOf(pill.get()), "setMasksToBounds:"_sel, true);
       send<void>(addView(w, CGRectMake(20, 40, 60, 20), color(1, 0, 0)), "setTransform:"_sel,
                  CGAffineTransformMakeScale(1, 1.5));
       send<void>(w, "setBackgroundColor:"_sel, nil);
     },
     {{21, 11, kClear}, {21, 49, kClear}, {179, 11, kRed}, {179, 49, kRed}, {40, 30, kRed}, {100, 72, kRed},
      {100, 128, kRed}, {100, 68, kClear}, {100, 132, kClear}, {38, 100, kClear}, {42, 100, kRed}}},
    {"HiddenZeroAlphaOrSingularViewsLeaveNoTrace", 1,
     [](id w) {
       send<void>(addView(w, CGRectMake(0, 0, 50, 50), color(1, 0, 0)), "setAlpha:"_sel, 0.0);
       send<void>(addView(w, CGRectMake(50, 0, 50, 50), color(1, 0, 0)), "setTransform:"_sel, CGAffineTransformMakeScale(0, 1));
       Ref<> hidden = addView(w, CGRectMake(0, 50, 50, 50), color(1, 0, 0));
       addView(hidden.get(), CGRectMake(0, 0, 10, 10), color(0, 0, 1));
       send<void>(hidden, "setHidden:"_sel, true);
     },
     {{25, 25, kWhite}, {75, 25, kWhite}, {5, 55, kWhite}, {40, 90, kWhite}}},
    // A scroll view's content moved by its offset; a layer of no view drawn in its superlayer.
    {"ContentOffsetAndStandaloneSublayersPlaceWhatTheyHold", 1,
     [](id w) {
       Ref<> scroll = addView(w, CGRectMake(0, 0, 100, 50), nil, "UIScrollView");
       addView(scroll.get(), CGRectMake(0, 0, 20, 50), color(1, 0, 0));
       send<void>(scroll, "setContentOffset:"_sel, CGPointMake(-30, 0));
       Ref<> sub = rt::create(objc_getClass("CALayer"));
       send<void>(sub, "setFrame:"_sel, CGRectMake(0, 0, 10, 10));
       send<void>(sub, "setBackgroundColor:"_sel, send<id>(color(0, 0, 1), "CGColor"_sel));
       send<void>(layerOf(addView(w, CGRectMake(50, 60, 40, 40)).get()), "addSublayer:"_sel, sub.get());
     },
     {{10, 25, kWhite}, {40, 25, kRed}, {55, 65, kBlue}, {45, 55, kWhite}}},
    // Half a second into a slide of a second, and after one of a quarter.
    {"AnimationsShowTheIntermediateAndTheEndPositions", 1,
     [](id w) {
       slideRight(addView(w, CGRectMake(0, 0, 10, 10), color(1, 0, 0)).get());
       slideRight(addView(w, CGRectMake(0, 0, 10, 10), color(0, 0, 1)).get(), 0.25);
       fnd::RunLoop::main().runFor(0.5);
     },
     {{45, 5, kRed}, {5, 5, kWhite}, {85, 5, kBlue}}},
    // Above, a strip fading at its right edge; below, one at half opacity fading from the middle.
    {"GradientMasksFadeTheEdgesAndCombineWithAlpha", 1,
     [](id w) {
       blackStrip(w, CGRectMake(0, 40, 100, 20), 1, 0.8);
       blackStrip(w, CGRectMake(0, 70, 100, 20), 0.5, 0.5);
     },
     {{1, 50, kBlack}, {50, 50, kBlack}, {90, 50, grey(128), 27}, {99, 50, grey(250), 10}, {50, 30, kWhite},
      {10, 80, grey(128), 2}, {75, 80, grey(191), 3}}},
};

TEST_P(ScenePaint, ShowsWhatTheViewsHold) {
  GetParam().build(window.get());
  lv::render::Picture p = draw(renderer, window.get(), GetParam().scale);
  for (const Probe& probe : GetParam().probes)
    EXPECT_LE(distance(p.pixel(probe.x, probe.y), probe.want), probe.tolerance)
        << "at " << probe.x << "," << probe.y << ": " << testing::PrintToString(p.pixel(probe.x, probe.y));
}

INSTANTIATE_TEST_SUITE_P(Layers, ScenePaint, testing::ValuesIn(kCases), caseName);

}  // namespace
