#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "uikit/view_animation.h"
#include "view_support.h"

using testing_support::makeView;

namespace {

using Seen = std::vector<std::pair<bool, double>>;
constexpr NSUInteger kLinear = UIViewAnimationOptionCurveLinear;

fnd::RunLoop& loop() { return fnd::RunLoop::main(); }

void animate(double duration, double delay, NSUInteger options, std::function<void()> changes,
             std::function<void(bool)> completion = {}) {
  send<void>(objc_getClass("UIView"), "animateWithDuration:delay:options:animations:completion:"_sel,
             duration, delay, options, fnd::block<void()>(changes), fnd::block<void(bool)>(completion));
}

void spring(double damping, double velocity, std::function<void()> changes) {
  send<void>(objc_getClass("UIView"),
             "animateWithDuration:delay:usingSpringWithDamping:initialSpringVelocity:options:animations:completion:"_sel,
             0.5, 0.0, damping, velocity, 131072UL, fnd::block<void()>(changes), nil);
}

Ref<> box() { return makeView(CGRectMake(0, 0, 10, 10)); }
void setAlpha(id v, double alpha) { send<void>(v, "setAlpha:"_sel, alpha); }
void setCenterX(id v, double x) { send<void>(v, "setCenter:"_sel, CGPointMake(x, 5)); }
void setOffset(id scroll, double x) { send<void>(scroll, "setContentOffset:"_sel, CGPointMake(x, 0)); }
double shownOffset(id scroll) { return uikit::presentationContentOffset(scroll).x; }
double shownX(id v) { return uikit::presentationCenter(v).x; }
id animationKeys(id view) { return send<id>(send<id>(view, "layer"_sel), "animationKeys"_sel); }
void removeAnimations(id view) { send<void>(send<id>(view, "layer"_sel), "removeAllAnimations"_sel); }

// The clock runs on from test to test, so times here count from the test's start, rounded
// to the microsecond: the start is not a round number.
class ViewAnimation : public testing::Test {
 protected:
  double elapsed() const { return std::round((loop().now() - start_) * 1e6) / 1e6; }
  void runTo(double t) { loop().runFor(std::max(0.0, t - elapsed())); }
  // Records each completion with the time it ran.
  std::function<void(bool)> record(Seen& seen) {
    return [this, &seen](bool finished) { seen.emplace_back(finished, elapsed()); };
  }
  double start_ = loop().now();
};

// An offset move ends unfinished when its animations are removed, its view leaves the window
// or is freed; one without an end stays at rest and leaves the loop idle until removed.
TEST_F(ViewAnimation, ContentOffsetMoveEndsFinishedOnlyWhenItRunsOut) {
  enum Ending { kRemoved, kLeavesItsWindow, kFreed, kRunsOut };
  long before = rt::liveObjectCount();
  for (Ending ending : {kRemoved, kLeavesItsWindow, kFreed, kRunsOut}) {
    SCOPED_TRACE(ending);
    rt::AutoreleasePool pool;
    bool removed = ending != kRunsOut;
    double begin = elapsed();
    Ref<> window = makeView(CGRectMake(0, 0, 200, 20), "UIWindow");
    Ref<> scroll = testing_support::addChild(window.get(), CGRectMake(0, 0, 200, 20), "UIScrollView");
    Seen done;
    animate(10, 1.5, kLinear | UIViewAnimationOptionAllowUserInteraction, [&] { setOffset(scroll.get(), 320); },
            record(done));
    loop().runFor(1.5);
    EXPECT_EQ(shownOffset(scroll.get()), 0);
    loop().runFor(5);
    EXPECT_NEAR(shownOffset(scroll.get()), 160, 1e-9);
    if (ending == kRemoved) removeAnimations(scroll.get());
    if (ending == kLeavesItsWindow) send<void>(scroll, "removeFromSuperview"_sel);
    if (ending == kFreed) scroll = window = nullptr;
    else EXPECT_NEAR(shownOffset(scroll.get()), removed ? 320 : 160, 1e-9);
    EXPECT_TRUE(done.empty());
    loop().runUntilIdle();
    EXPECT_EQ(done, (Seen{{!removed, begin + (removed ? 6.5 : 11.5)}}));
    EXPECT_EQ(animationKeys(scroll.get()), nil);
  }
  EXPECT_EQ(rt::liveObjectCount(), before) << "nothing a move held is left";

  Ref<> scroll = makeView(CGRectMake(0, 0, 200, 20), "UIScrollView");
  Seen done;
  double speed = 0, begin = elapsed();  // a speed of 0 makes the duration infinite
  animate(300 / speed, 1.5, kLinear, [&] { setOffset(scroll.get(), 320); }, record(done));
  loop().runUntilIdle();
  EXPECT_EQ(elapsed(), begin + 1.5);
  loop().runFor(100);
  EXPECT_EQ(shownOffset(scroll.get()), 0);
  EXPECT_TRUE(done.empty());
  removeAnimations(scroll.get());
  loop().runOnce();
  EXPECT_EQ(done.size(), 1u);
}

// The faded view grows as it fades; it takes no touches until its animation ends, the
// moved one, allowed to, takes them throughout.
TEST_F(ViewAnimation, LinearAndEaseInOutWithDelaysBlockTouchesUnlessAllowed) {
  Ref<> faded = box(), moved = box();
  animate(2, 1, kLinear, [&] {
    setAlpha(faded.get(), 0);
    send<void>(faded, "setFrame:"_sel, CGRectMake(0, 0, 20, 20));
  });
  animate(1, 0.5, UIViewAnimationOptionCurveEaseInOut | UIViewAnimationOptionAllowUserInteraction,
          [&] { setCenterX(moved.get(), 105); });
  EXPECT_EQ(send<double>(faded, "alpha"_sel), 0);
  // A quarter of the way in time, the ease-in-out curve has covered about 13 %.
  const struct { double t, alpha, x, tolerance; } cases[] = {
      {0, 1, 5, 0}, {0.5, 1, 5, 0}, {0.75, 1, 17.9, 0.2}, {1, 1, 55, 1e-6}, {1.5, 0.75, 105, 0},
      {2, 0.5, 105, 0}, {3, 0, 105, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.t);
    runTo(c.t);
    EXPECT_NEAR(uikit::presentationAlpha(faded.get()), c.alpha, 1e-9);
    EXPECT_NEAR(shownX(moved.get()), c.x, c.tolerance + 1e-9);
    EXPECT_NEAR(uikit::presentationFrame(faded.get()).size.height, 20 - 10 * c.alpha, 1e-9);
    EXPECT_EQ(uikit::ignoresTouchesWhileAnimating(faded.get()), c.t < 3);
    EXPECT_FALSE(uikit::ignoresTouchesWhileAnimating(moved.get()));
  }
}

// The spring's damping and velocity shape the curve (its kinds are the timing tests').
TEST_F(ViewAnimation, SpringOvershootsAndSettlesAtItsEnd) {
  Ref<> track = box();
  spring(0.7, 0.2, [&] { send<void>(track, "setTransform:"_sel, CGAffineTransformMakeScale(1, 1.5)); });
  double highest = 0;
  for (int frame = 1; frame <= 30; ++frame) {
    loop().runFor(1.0 / 60);
    CGAffineTransform shown = uikit::presentationTransform(track.get());
    highest = std::max(highest, shown.d);
    EXPECT_EQ(shown.a, 1);
    if (frame == 27) { EXPECT_NEAR(shown.d, 1.5, 0.005); }
  }
  EXPECT_GT(highest, 1.51);
  EXPECT_LT(highest, 1.55);
  loop().runFor(0.5);
  EXPECT_EQ(uikit::presentationTransform(track.get()), CGAffineTransformMakeScale(1, 1.5));
}

// Zero durations, disabled actions and layers without views change at once; the
// completion still waits for the caller to return.
TEST_F(ViewAnimation, UnanimatedChangesCompleteOnlyAfterTheCallerReturns) {
  Ref<> v = box(), hidden = box();
  id standalone = send<id>(objc_getClass("CALayer"), "layer"_sel);
  Class transaction = objc_getClass("CATransaction");
  Seen done;
  animate(0, 0, kLinear, [&] { setAlpha(v.get(), 0.25); }, record(done));
  EXPECT_EQ(uikit::presentationAlpha(v.get()), 0.25);
  animate(0.3, 0, 0, [&] { setAlpha(v.get(), 0.25); }, record(done));
  animate(1, 0, 0, [&] {
    send<void>(transaction, "begin"_sel);
    send<void>(transaction, "setDisableActions:"_sel, true);
    setAlpha(hidden.get(), 0);
    send<void>(transaction, "commit"_sel);
    send<void>(standalone, "setPosition:"_sel, CGPointMake(3, 3));
  }, record(done));
  EXPECT_EQ(uikit::presentationAlpha(hidden.get()), 0);
  EXPECT_TRUE(done.empty());
  for (id layerHolder : {v.get(), hidden.get()}) EXPECT_EQ(animationKeys(layerHolder), nil);
  EXPECT_EQ(send<id>(standalone, "animationKeys"_sel), nil);
  loop().runOnce();
  EXPECT_EQ(done, (Seen{{true, 0}, {true, 0}, {true, 0}}));
}

// The first block waits for its alpha, then reports the centre it lost; a set outside any
// block shows at once and ends the running animation.
TEST_F(ViewAnimation, ANewAnimationOrAPlainSetReplacesTheRunningOne) {
  Ref<> v = box();
  Seen first, second, third;
  animate(1, 0, kLinear, [&] {
    setCenterX(v.get(), 105);
    setAlpha(v.get(), 0);
  }, record(first));
  loop().runFor(0.5);
  animate(1, 0, kLinear, [&] { setCenterX(v.get(), 5); }, record(second));
  EXPECT_NEAR(shownX(v.get()), 55, 1e-9);
  loop().runFor(0.25);
  EXPECT_NEAR(shownX(v.get()), 42.5, 1e-9);
  loop().runUntilIdle();
  EXPECT_EQ(first, (Seen{{false, 1}}));
  EXPECT_EQ(second, (Seen{{true, 1.5}}));
  animate(1, 0, 0, [&] { setAlpha(v.get(), 1); }, record(third));
  loop().runFor(0.5);
  setAlpha(v.get(), 0);
  EXPECT_EQ(uikit::presentationAlpha(v.get()), 0);
  loop().runOnce();
  EXPECT_EQ(third, (Seen{{false, 2}}));
}

// A completion may start another animation, and the layout it asks for is done in the same run.
TEST_F(ViewAnimation, CompletionsChainFurtherAnimationsAndLayout) {
  Ref<> label = testing_support::makeRecordingView(4, CGRectMake(0, 0, 10, 10));
  loop().runOnce();
  testing_support::takeEvents();
  animate(0.15, 0, kLinear, [&] { setAlpha(label.get(), 0); }, [&](bool) {
    send<void>(label, "setNeedsLayout"_sel);
    animate(0.15, 0.25, kLinear, [&] { setAlpha(label.get(), 1); });
  });
  for (auto [t, alpha] : {std::pair{0.15, 0.0}, {0.4, 0.0}, {0.475, 0.5}, {0.55, 1.0}}) {
    runTo(t);
    EXPECT_NEAR(uikit::presentationAlpha(label.get()), alpha, 1e-6) << t;
    EXPECT_EQ(testing_support::events(), testing_support::Events{"4:layout"}) << t;
  }
  loop().runUntilIdle();
}

// A zero-duration block does not pass its duration on.
TEST_F(ViewAnimation, NestedBlocksInheritDurationAndCurveUnlessOverridden) {
  Ref<> a = box(), b = box(), c = box();
  animate(1, 0, kLinear, [&] {
    animate(4, 0, UIViewAnimationOptionCurveEaseIn, [&] { setAlpha(a.get(), 0); });
    animate(4, 0, UIViewAnimationOptionOverrideInheritedDuration | UIViewAnimationOptionOverrideInheritedCurve,
            [&] { setAlpha(b.get(), 0); });
  });
  animate(0, 0, 0, [&] { animate(2, 0, kLinear, [&] { setAlpha(c.get(), 0); }); });
  loop().runFor(0.5);
  EXPECT_NEAR(uikit::presentationAlpha(a.get()), 0.5, 1e-6);
  EXPECT_GT(uikit::presentationAlpha(b.get()), 0.9);
  EXPECT_NEAR(uikit::presentationAlpha(c.get()), 0.75, 1e-6);
  loop().runUntilIdle();
}

TEST_F(ViewAnimation, CompletionsHoldTheirCapturesUntilTheyRun) {
  long before = rt::liveObjectCount();
  {
    rt::AutoreleasePool pool;
    Ref<> v = box();
    animate(1, 0, 0, [v] { setAlpha(v.get(), 0); }, [v](bool) {});
  }
  EXPECT_GT(rt::liveObjectCount(), before);
  loop().runUntilIdle();
  EXPECT_EQ(rt::liveObjectCount(), before);
}

}  // namespace
