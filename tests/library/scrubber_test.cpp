#include <gtest/gtest.h>

#include <limits>

#include "time_controls_support.h"
#include "uikit/touch_injector.h"
#include "uikit/view_animation.h"

namespace {

using namespace testing_support;

const CGAffineTransform kIdentity = CGAffineTransformIdentity;
const CGAffineTransform kLargeRow = CGAffineTransformMakeScale(1, 1.5);
const CGAffineTransform kLargeHostLabel = CGAffineTransformMakeScale(1, 0.7);

void expectTransforms(id controls, CGAffineTransform row, CGAffineTransform hostLabels) {
  EXPECT_EQ(transformOf(controls), row);
  EXPECT_EQ(uikit::presentationTransform(controls), row);
  for (id label : {elapsedLabel(controls), remainingLabel(controls)}) {
    EXPECT_EQ(transformOf(label), hostLabels);
    EXPECT_EQ(uikit::presentationTransform(label), hostLabels);
  }
}

void expectBars(id controls, double height) {
  for (id bar : {elapsedTrack(controls), remainingTrack(controls)}) {
    EXPECT_EQ(frameOf(bar).origin.y, 8) << "grows downwards";
    EXPECT_EQ(frameOf(bar).size.height, height);
    EXPECT_EQ(layerOf(bar)->cornerRadius, height / 2);
    EXPECT_TRUE(layerOf(bar)->masksToBounds);
  }
}

TEST(Scrubber, CornerMasksFollowTheElapsedFactor) {
  PlayingPlatter p = playingPlatter();
  struct Case {
    double factor;
    NSUInteger played, unplayed;
  };
  const Case cases[] = {{0, 5, 15},   {0.005, 5, 15}, {0.0051, 5, 10}, {0.5, 5, 10},
                        {0.995, 15, 10}, {1, 15, 10},  {std::numeric_limits<double>::quiet_NaN(), 5, 10}};
  for (const Case& c : cases) {
    send<void>(p.controls, "setElapsedTimeFactor:"_sel, c.factor);
    EXPECT_EQ(layerOf(elapsedTrack(p.controls))->maskedCorners, c.played) << c.factor;
    EXPECT_EQ(layerOf(remainingTrack(p.controls))->maskedCorners, c.unplayed) << c.factor;
  }
}

TEST(Scrubber, BarsAreTheHostsHeightPlusThreeHoweverOftenAdjusted) {
  PlayingPlatter p = playingPlatter();
  p.screen->advance(2);
  expectBars(p.controls, kHostBarHeight + 3);
  EXPECT_TRUE(send<bool>(elapsedTrack(p.controls), "clipsToBounds"_sel));
  EXPECT_TRUE(hiddenOf(knob(p.controls)));
  EXPECT_EQ(frameOf(knob(p.controls)), CGRectMake(0, 0, 359 - 90, kHostBarHeight + 3));

  // Fifty moves, each adjusting the bars, with no layout of the host's in between.
  p.screen->drag("MRUNowPlayingTimeControlsView", 0.1, 0.9, 50, true);
  expectBars(p.controls, kHostBarHeight + 3);
  p.screen->release();
  for (int i = 0; i < 10; ++i) send<void>(p.controls, "adjustSizeOfTrack"_sel);
  expectBars(p.controls, kHostBarHeight + 3);
  p.screen->advance(1);
  expectBars(p.controls, kHostBarHeight + 3);
}

TEST(Scrubber, ACancelledDragReturnsToTheSmallState) {
  PlayingPlatter p = playingPlatter();
  CGPoint middle = p.screen->centreInWindow(p.controls);
  uikit::TouchInjector finger(p.screen->window());
  finger.drag(middle, CGPointMake(middle.x + 60, middle.y), 4, true);
  p.screen->advance(1);
  expectTransforms(p.controls, kIdentity, kIdentity);
  EXPECT_FALSE(send<bool>(p.controls, "isTracking"_sel));
  expectBars(p.controls, kHostBarHeight + 3);
}

TEST(Scrubber, AFingerJustAboveTheRowIsNotCaughtAndOneOnItStartsTheSpring) {
  PlayingPlatter p = playingPlatter();
  CGRect row = frameOf(p.controls);
  uikit::TouchInjector finger(p.screen->window());
  finger.begin(CGPointMake(row.origin.x + 100, row.origin.y - 2));
  EXPECT_FALSE(send<bool>(p.controls, "isTracking"_sel));
  finger.end();

  finger.begin(p.screen->centreInWindow(p.controls));
  EXPECT_EQ(transformOf(p.controls), kLargeRow) << "the model value changes at once";
  p.screen->advance(0.05);
  double scale = uikit::presentationTransform(p.controls).d;
  EXPECT_GT(scale, 1);
  EXPECT_LT(scale, 1.5);
  p.screen->advance(1);
  expectTransforms(p.controls, kLargeRow, kLargeHostLabel);
  finger.end();
}

}  // namespace
