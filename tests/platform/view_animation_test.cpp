#include <gtest/gtest.h>

#include <functional>

#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "uikit/view_animation.h"
#include "view_support.h"

using testing_support::makeView;

namespace {

fnd::RunLoop& loop() { return fnd::RunLoop::main(); }

void animate(double duration, double delay, unsigned long options, std::function<void()> changes,
             std::function<void(bool)> completion = {}) {
  send<void>(objc_getClass("UIView"), "animateWithDuration:delay:options:animations:completion:"_sel,
             duration, delay, options, fnd::block<void()>(changes), fnd::block<void(bool)>(completion));
}

void spring(double duration, double damping, double velocity, std::function<void()> changes) {
  send<void>(objc_getClass("UIView"),
             "animateWithDuration:delay:usingSpringWithDamping:initialSpringVelocity:options:animations:completion:"_sel,
             duration, 0.0, damping, velocity, 131072UL, fnd::block<void()>(changes), nil);
}

// Completions seen, with the clock's time when they ran.
struct Completions {
  std::vector<std::pair<bool, double>> seen;
  std::function<void(bool)> record() {
    return [this](bool finished) { seen.emplace_back(finished, loop().now()); };
  }
};

void setOffset(id scroll, double x) { send<void>(scroll, "setContentOffset:"_sel, CGPointMake(x, 0)); }
double shownOffset(id scroll) { return uikit::presentationContentOffset(scroll).x; }
id layerOf(id view) { return send<id>(view, "layer"_sel); }

TEST(ViewAnimation, ContentOffsetMoveEndsFinishedOnlyWhenItRunsOut) {
  enum Ending { kRemoved, kLeavesItsWindow, kRunsOut };
  for (Ending ending : {kRemoved, kLeavesItsWindow, kRunsOut}) {
    SCOPED_TRACE(ending);
    bool removed = ending != kRunsOut;
    rt::AutoreleasePool pool;
    double start = loop().now();
    Ref<> window = makeView(CGRectMake(0, 0, 200, 20), "UIWindow");
    Ref<> scroll = makeView(CGRectMake(0, 0, 200, 20), "UIScrollView");
    send<void>(window, "addSubview:"_sel, scroll);
    Completions done;
    animate(10, 1.5, UIViewAnimationOptionCurveLinear | UIViewAnimationOptionAllowUserInteraction,
            [&] { setOffset(scroll, 320); }, done.record());
    EXPECT_EQ(send<CGPoint>(scroll, "contentOffset"_sel), CGPointMake(320, 0));
    EXPECT_EQ(shownOffset(scroll), 0);
    loop().runFor(1.5);
    EXPECT_EQ(shownOffset(scroll), 0);
    loop().runFor(5);
    EXPECT_DOUBLE_EQ(shownOffset(scroll), 160);
    if (removed) {
      if (ending == kRemoved) send<void>(layerOf(scroll), "removeAllAnimations"_sel);
      else send<void>(scroll, "removeFromSuperview"_sel);
      EXPECT_TRUE(done.seen.empty());
      EXPECT_EQ(shownOffset(scroll), 320);
    }
    loop().runUntilIdle();
    EXPECT_EQ(done.seen, (std::vector<std::pair<bool, double>>{{!removed, start + (removed ? 6.5 : 11.5)}}));
    EXPECT_EQ(send<id>(layerOf(scroll), "animationKeys"_sel), nil);
  }
}

TEST(ViewAnimation, LinearAndEaseInOutWithDelays) {
  rt::AutoreleasePool pool;
  Ref<> faded = makeView(CGRectMake(0, 0, 10, 10));
  Ref<> moved = makeView(CGRectMake(0, 0, 10, 10));
  animate(2, 1, UIViewAnimationOptionCurveLinear, [&] { send<void>(faded, "setAlpha:"_sel, 0.0); });
  animate(1, 0.5, UIViewAnimationOptionCurveEaseInOut,
          [&] { send<void>(moved, "setCenter:"_sel, CGPointMake(105, 5)); });
  EXPECT_EQ(send<double>(faded, "alpha"_sel), 0);
  std::vector<std::pair<double, double>> alpha, x;
  for (double t : {0.0, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0}) {
    loop().runFor(t - loop().now());
    alpha.emplace_back(t, uikit::presentationAlpha(faded));
    x.emplace_back(t, uikit::presentationCenter(moved).x);
  }
  EXPECT_EQ(alpha, (std::vector<std::pair<double, double>>{
                       {0, 1}, {0.5, 1}, {0.75, 1}, {1, 1}, {1.5, 0.75}, {2, 0.5}, {3, 0}}));
  EXPECT_EQ(x[0].second, 5);
  EXPECT_EQ(x[1].second, 5);
  // A quarter of the way in time, the ease-in-out curve has covered about 13 %.
  EXPECT_NEAR(x[2].second, 5 + 12.9, 0.2);
  EXPECT_NEAR(x[3].second, 55, 1e-6);
  EXPECT_EQ(x[4].second, 105);
}

TEST(ViewAnimation, SpringOvershootsAndSettlesAtItsEnd) {
  rt::AutoreleasePool pool;
  Ref<> track = makeView(CGRectMake(0, 0, 100, 10));
  Ref<> stiff = makeView(CGRectMake(0, 0, 100, 10));
  spring(0.5, 0.7, 0.2, [&] {
    send<void>(track, "setTransform:"_sel, CGAffineTransformMakeScale(1, 1.5));
    send<void>(stiff, "setCenter:"_sel, CGPointMake(150, 5));
  });
  spring(0.5, 1.0, 0, [&] { send<void>(stiff, "setCenter:"_sel, CGPointMake(150, 5)); });
  send<void>(stiff, "setCenter:"_sel, CGPointMake(50, 5));
  spring(0.5, 1.0, 0, [&] { send<void>(stiff, "setCenter:"_sel, CGPointMake(150, 5)); });
  double highest = 0, stiffHighest = 0, late = 0;
  for (int frame = 1; frame <= 30; ++frame) {
    loop().runFor(1.0 / 60);
    double sy = uikit::presentationTransform(track).d;
    highest = std::max(highest, sy);
    stiffHighest = std::max(stiffHighest, uikit::presentationCenter(stiff).x);
    if (frame == 27) late = sy;
    EXPECT_EQ(uikit::presentationTransform(track).a, 1);
  }
  EXPECT_GT(highest, 1.51);
  EXPECT_LT(highest, 1.55);
  EXPECT_NEAR(late, 1.5, 0.005);
  EXPECT_LE(stiffHighest, 150);
  loop().runFor(0.5 - loop().now());
  EXPECT_EQ(uikit::presentationTransform(track), CGAffineTransformMakeScale(1, 1.5));
}

TEST(ViewAnimation, ZeroDurationCompletesOnlyAfterTheCallerReturns) {
  rt::AutoreleasePool pool;
  Ref<> v = makeView(CGRectMake(0, 0, 10, 10));
  Completions done;
  animate(0, 0, UIViewAnimationOptionCurveLinear, [&] { send<void>(v, "setAlpha:"_sel, 0.25); }, done.record());
  EXPECT_EQ(uikit::presentationAlpha(v), 0.25);
  animate(0.3, 0, 0, [&] { send<void>(v, "setAlpha:"_sel, 0.25); }, done.record());
  EXPECT_TRUE(done.seen.empty());
  EXPECT_EQ(send<id>(layerOf(v), "animationKeys"_sel), nil);
  loop().runOnce();
  EXPECT_EQ(done.seen, (std::vector<std::pair<bool, double>>{{true, 0}, {true, 0}}));
}

TEST(ViewAnimation, ANewAnimationOrAPlainSetReplacesTheRunningOne) {
  rt::AutoreleasePool pool;
  Ref<> v = makeView(CGRectMake(0, 0, 10, 10));
  Completions first, second;
  animate(1, 0, UIViewAnimationOptionCurveLinear, [&] {
    send<void>(v, "setCenter:"_sel, CGPointMake(105, 5));
    send<void>(v, "setAlpha:"_sel, 0.0);
  }, first.record());
  loop().runFor(0.5);
  animate(1, 0, UIViewAnimationOptionCurveLinear, [&] { send<void>(v, "setCenter:"_sel, CGPointMake(5, 5)); },
          second.record());
  EXPECT_DOUBLE_EQ(uikit::presentationCenter(v).x, 55);
  loop().runFor(0.25);
  EXPECT_DOUBLE_EQ(uikit::presentationCenter(v).x, 42.5);
  loop().runUntilIdle();
  // The first block waits for its alpha, then reports the centre it lost.
  EXPECT_EQ(first.seen, (std::vector<std::pair<bool, double>>{{false, 1}}));
  EXPECT_EQ(second.seen, (std::vector<std::pair<bool, double>>{{true, 1.5}}));

  // A set outside any block shows at once and ends the running animation.
  Completions third;
  animate(1, 0, 0, [&] { send<void>(v, "setAlpha:"_sel, 1.0); }, third.record());
  loop().runFor(0.5);
  send<void>(v, "setAlpha:"_sel, 0.0);
  EXPECT_EQ(uikit::presentationAlpha(v), 0);
  loop().runOnce();
  EXPECT_EQ(third.seen, (std::vector<std::pair<bool, double>>{{false, 2}}));
}

TEST(ViewAnimation, CompletionsChainFurtherAnimations) {
  rt::AutoreleasePool pool;
  Ref<> label = makeView(CGRectMake(0, 0, 10, 10));
  animate(0.15, 0, UIViewAnimationOptionCurveLinear, [&] { send<void>(label, "setAlpha:"_sel, 0.0); },
          [&](bool) {
            animate(0.15, 0.25, UIViewAnimationOptionCurveLinear,
                    [&] { send<void>(label, "setAlpha:"_sel, 1.0); });
          });
  std::vector<double> seen;
  for (double t : {0.075, 0.15, 0.4, 0.475, 0.55}) {
    loop().runFor(t - loop().now());
    seen.push_back(uikit::presentationAlpha(label));
  }
  EXPECT_NEAR(seen[0], 0.5, 1e-6);
  EXPECT_EQ(seen[1], 0);
  EXPECT_EQ(seen[2], 0);
  EXPECT_NEAR(seen[3], 0.5, 1e-6);
  EXPECT_EQ(seen[4], 1);
}

TEST(ViewAnimation, NestedBlocksInheritDurationAndCurveUnlessOverridden) {
  rt::AutoreleasePool pool;
  Ref<> a = makeView(CGRectMake(0, 0, 10, 10));
  Ref<> b = makeView(CGRectMake(0, 0, 10, 10));
  Ref<> c = makeView(CGRectMake(0, 0, 10, 10));
  animate(1, 0, UIViewAnimationOptionCurveLinear, [&] {
    animate(4, 0, UIViewAnimationOptionCurveEaseIn, [&] { send<void>(a, "setAlpha:"_sel, 0.0); });
    animate(4, 0, UIViewAnimationOptionOverrideInheritedDuration | UIViewAnimationOptionOverrideInheritedCurve,
            [&] { send<void>(b, "setAlpha:"_sel, 0.0); });
  });
  // A zero-duration block does not pass its duration on.
  animate(0, 0, 0, [&] {
    animate(2, 0, UIViewAnimationOptionCurveLinear, [&] { send<void>(c, "setAlpha:"_sel, 0.0); });
  });
  loop().runFor(0.5);
  EXPECT_NEAR(uikit::presentationAlpha(a), 0.5, 1e-6);
  EXPECT_GT(uikit::presentationAlpha(b), 0.9);
  EXPECT_NEAR(uikit::presentationAlpha(c), 0.75, 1e-6);
}

TEST(ViewAnimation, DisabledActionsAndLayersWithoutViewsDoNotAnimate) {
  rt::AutoreleasePool pool;
  Ref<> v = makeView(CGRectMake(0, 0, 10, 10));
  id standalone = send<id>(objc_getClass("CALayer"), "layer"_sel);
  Class transaction = objc_getClass("CATransaction");
  Completions done;
  animate(1, 0, 0, [&] {
    send<void>(transaction, "begin"_sel);
    send<void>(transaction, "setDisableActions:"_sel, true);
    send<void>(v, "setAlpha:"_sel, 0.0);
    send<void>(transaction, "commit"_sel);
    send<void>(standalone, "setPosition:"_sel, CGPointMake(3, 3));
  }, done.record());
  EXPECT_EQ(uikit::presentationAlpha(v), 0);
  EXPECT_EQ(send<id>(standalone, "animationKeys"_sel), nil);
  loop().runOnce();
  EXPECT_EQ(done.seen.size(), 1u);
}

TEST(ViewAnimation, FrameAnimationsBlockTouchesUnlessAllowed) {
  rt::AutoreleasePool pool;
  Ref<> v = makeView(CGRectMake(0, 0, 10, 10));
  Ref<> w = makeView(CGRectMake(0, 0, 10, 10));
  animate(1, 0.5, 0, [&] { send<void>(v, "setFrame:"_sel, CGRectMake(0, 0, 20, 20)); });
  animate(1, 0, UIViewAnimationOptionAllowUserInteraction,
          [&] { send<void>(w, "setAlpha:"_sel, 0.5); });
  EXPECT_TRUE(uikit::ignoresTouchesWhileAnimating(v));
  EXPECT_FALSE(uikit::ignoresTouchesWhileAnimating(w));
  loop().runFor(1);
  EXPECT_EQ(uikit::presentationFrame(v), CGRectMake(0, 0, 15, 15));
  loop().runFor(1);
  EXPECT_FALSE(uikit::ignoresTouchesWhileAnimating(v));
}

TEST(ViewAnimation, EndlessMoveStaysAtRestAndLeavesTheLoopIdle) {
  rt::AutoreleasePool pool;
  Ref<> scroll = makeView(CGRectMake(0, 0, 200, 20), "UIScrollView");
  Completions done;
  double speed = 0;
  animate(300 / speed, 1.5, UIViewAnimationOptionCurveLinear, [&] { setOffset(scroll, 320); }, done.record());
  loop().runUntilIdle();
  EXPECT_EQ(loop().now(), 1.5);
  EXPECT_TRUE(loop().idle());
  loop().runFor(100);
  EXPECT_EQ(shownOffset(scroll), 0);
  EXPECT_TRUE(done.seen.empty());
  send<void>(layerOf(scroll), "removeAllAnimations"_sel);
  loop().runOnce();
  EXPECT_EQ(done.seen.size(), 1u);
}

TEST(ViewAnimation, AnimationsAndCompletionsHoldOnlyWhatTheyMust) {
  long before = rt::liveObjectCount();
  Completions done;
  {
    rt::AutoreleasePool pool;
    Ref<> v = makeView(CGRectMake(0, 0, 10, 10));
    animate(1, 0, 0, [&] { send<void>(v, "setAlpha:"_sel, 0.0); }, done.record());
  }
  loop().runUntilIdle();
  // A view freed while animating ends its animations unfinished.
  EXPECT_EQ(done.seen, (std::vector<std::pair<bool, double>>{{false, 0}}));
  EXPECT_EQ(rt::liveObjectCount(), before);
  {
    rt::AutoreleasePool pool;
    Ref<> v = makeView(CGRectMake(0, 0, 10, 10));
    animate(1, 0, 0, [v] { send<void>(v, "setAlpha:"_sel, 0.0); }, [v](bool) {});
  }
  EXPECT_GT(rt::liveObjectCount(), before);  // the completion holds its capture until it runs
  loop().runUntilIdle();
  EXPECT_EQ(rt::liveObjectCount(), before);
}

TEST(ViewAnimation, LayoutRequestedByACompletionIsDoneInTheSameRun) {
  rt::AutoreleasePool pool;
  Ref<> v = testing_support::makeRecordingView(4, CGRectMake(0, 0, 10, 10));
  loop().runOnce();
  testing_support::events().clear();
  animate(1, 0, 0, [&] { send<void>(v, "setAlpha:"_sel, 0.0); },
          [&](bool) { send<void>(v, "setNeedsLayout"_sel); });
  loop().runUntilIdle();
  EXPECT_EQ(testing_support::events(), (std::vector<std::string>{"4:layout"}));
  EXPECT_EQ(loop().now(), 1);
}

}  // namespace
