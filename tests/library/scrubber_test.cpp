#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "time_controls_rig.h"
#include "uikit/touch_injector.h"
#include "uikit/view_animation.h"

namespace {

using namespace testing_support;

const CGAffineTransform kIdentity = CGAffineTransformIdentity;
const CGAffineTransform kLargeRow = CGAffineTransformMakeScale(1, 1.5);
const CGAffineTransform kLargeHostLabel = CGAffineTransformMakeScale(1, 0.7);

// The row's middle and a point near its right end, in window coordinates.
constexpr CGPoint kRowMiddle{195, 390};
constexpr CGPoint kNearRowEnd{330, 380};

void expectTransforms(id controls, CGAffineTransform row, CGAffineTransform hostLabels) {
  MRUNowPlayingTimeControlsView* v = parts(controls);
  EXPECT_EQ(transformOf(controls), row);
  EXPECT_EQ(uikit::presentationTransform(controls), row);
  EXPECT_EQ(transformOf(v->elapsedTimeLabel), hostLabels);
  EXPECT_EQ(transformOf(v->remainingTimeLabel), hostLabels);
  EXPECT_EQ(uikit::presentationTransform(v->remainingTimeLabel), hostLabels);
}

TEST(Scrubber, CornerMasksFollowTheElapsedFactor) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls();
  MRUNowPlayingTimeControlsView* v = parts(controls);
  struct Case {
    double factor;
    NSUInteger played, unplayed;
  };
  const Case cases[] = {{0, 5, 15},      {0.005, 5, 15}, {0.0051, 5, 10},
                        {0.5, 5, 10},    {0.995, 15, 10}, {1, 15, 10},
                        {std::numeric_limits<double>::quiet_NaN(), 5, 10}};
  for (const Case& c : cases) {
    send<void>(controls, "setElapsedTimeFactor:"_sel, c.factor);
    EXPECT_EQ(layerOf(v->elapsedTrack)->maskedCorners, c.played) << c.factor;
    EXPECT_EQ(layerOf(v->remainingTrack)->maskedCorners, c.unplayed) << c.factor;
  }
  send<void>(controls, "setElapsedTimeFactor:"_sel, 0.0);
  send<void>(controls, "setElapsedTimeFactor:"_sel, 0.3);
  send<void>(controls, "updateElapsedTime"_sel);
  EXPECT_EQ(layerOf(v->remainingTrack)->maskedCorners, 10u) << "updateElapsedTime rounds too";
}

TEST(Scrubber, BarsAreTheHostsHeightPlusThreeHoweverOftenAdjusted) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls();
  MRUNowPlayingTimeControlsView* v = parts(controls);
  send<void>(controls, "setElapsedTimeFactor:"_sel, 0.4);
  layOutBars(controls);
  for (int i = 0; i < 50; ++i) send<void>(controls, "adjustSizeOfTrack"_sel);
  for (id bar : {v->elapsedTrack.get(), v->remainingTrack.get()}) {
    EXPECT_EQ(frameOf(bar).origin.y, kHostBarY) << "grows downwards";
    EXPECT_EQ(frameOf(bar).size.height, kHostBarHeight + 3);
    EXPECT_EQ(layerOf(bar)->cornerRadius, (kHostBarHeight + 3) / 2);
    EXPECT_TRUE(layerOf(bar)->masksToBounds);
    EXPECT_TRUE(send<bool>(bar, "clipsToBounds"_sel));
  }
  EXPECT_EQ(frameOf(v->elapsedTrack).size.width, 120) << "origin and width kept";
  EXPECT_EQ(frameOf(v->knobView), CGRectMake(0, 0, kRowFrame.size.width, kHostBarHeight + 3));
  EXPECT_TRUE(hidden(v->knobView));

  // The host lays the bars out anew, at its own height or another.
  layOutBars(controls);
  send<void>(controls, "layoutSubviews"_sel);
  EXPECT_EQ(frameOf(v->elapsedTrack).size.height, kHostBarHeight + 3);
  layOutBars(controls, 6);
  send<void>(controls, "layoutSubviews"_sel);
  send<void>(controls, "adjustSizeOfTrack"_sel);
  EXPECT_EQ(frameOf(v->remainingTrack).size.height, 9);
  EXPECT_EQ(layerOf(v->remainingTrack)->cornerRadius, 4.5);
}

TEST(Scrubber, SmallDeviceBarsAreTwoTaller) {
  TimeControlsRig rig("small-phone");
  Ref<> controls = rig.addControls();
  MRUNowPlayingTimeControlsView* v = parts(controls);
  for (int i = 0; i < 5; ++i) send<void>(controls, "adjustSizeOfTrack"_sel);
  EXPECT_EQ(frameOf(v->elapsedTrack).size.height, kHostBarHeight + 2);
  EXPECT_EQ(layerOf(v->remainingTrack)->cornerRadius, (kHostBarHeight + 2) / 2);
}

TEST(Scrubber, OutsideThePlatterTheTrackIsTheHosts) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls(0);
  MRUNowPlayingTimeControlsView* v = parts(controls);
  send<void>(controls, "layoutSubviews"_sel);
  send<void>(controls, "adjustSizeOfTrack"_sel);
  send<void>(controls, "setMaskedCornersForSlider"_sel);
  send<void>(controls, "animateTrackToLarge"_sel);
  uikit::TouchInjector(rig.window()).drag(kRowMiddle, kNearRowEnd, 3);
  settle();
  EXPECT_EQ(frameOf(v->elapsedTrack).size.height, kHostBarHeight);
  EXPECT_EQ(layerOf(v->elapsedTrack)->cornerRadius, 0);
  EXPECT_FALSE(hidden(v->knobView));
  expectTransforms(controls, kIdentity, kIdentity);
}

TEST(Scrubber, ADragStretchesTheRowAndTheLiftReturnsIt) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls();
  send<void>(controls, "setNeedsLayout"_sel);
  send<void>(controls, "setElapsedTimeFactor:"_sel, 0.1);
  uikit::TouchInjector touch(rig.window());
  touch.begin(kNearRowEnd);
  EXPECT_TRUE(send<bool>(controls, "isTracking"_sel)) << "far from the knob";
  settle();
  expectTransforms(controls, kLargeRow, kLargeHostLabel);

  send<void>(controls, "updateElapsedTime"_sel);
  touch.move(kRowMiddle);
  settle();
  expectTransforms(controls, kLargeRow, kLargeHostLabel);
  EXPECT_EQ(textOf(leftTime(controls)), "0:20");
  EXPECT_EQ(frameOf(parts(controls)->elapsedTrack).size.height, kHostBarHeight + 3);

  touch.end();
  settle();
  expectTransforms(controls, kIdentity, kIdentity);
}

TEST(Scrubber, ACancelledDragReturnsToTheSmallState) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls();
  send<void>(controls, "setNeedsLayout"_sel);
  uikit::TouchInjector(rig.window()).drag(kRowMiddle, kNearRowEnd, 4, true);
  settle();
  expectTransforms(controls, kIdentity, kIdentity);
  EXPECT_FALSE(send<bool>(controls, "isTracking"_sel));
  EXPECT_EQ(frameOf(parts(controls)->remainingTrack).size.height, kHostBarHeight + 3);
}

TEST(Scrubber, TheSpringIsUnderwayBeforeItSettles) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls();
  uikit::TouchInjector touch(rig.window());
  touch.begin(kRowMiddle);
  EXPECT_EQ(transformOf(controls), kLargeRow) << "the model value changes at once";
  settle(0.05);
  double scale = uikit::presentationTransform(controls).d;
  EXPECT_GT(scale, 1);
  EXPECT_LT(scale, 1.5);
  touch.end();
}

}  // namespace
