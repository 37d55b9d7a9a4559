#include <gtest/gtest.h>

#include <utility>

#include "host/time_controls.h"
#include "time_controls_support.h"
#include "uikit/layout_constraint.h"
#include "uikit/view_animation.h"

namespace {

using namespace testing_support;

constexpr CGRect kHandMadeFrame{{10, 600}, {300, 34}};

// Every time-controls view in the platter's context gets its own labels, built once, with
// their height relations made once.
TEST(TimeLabels, BuiltAtTheFirstLayoutRequestInTheRowsPlaceMirroringTheHostsTexts) {
  PlayingPlatter p = playingPlatter();
  EXPECT_EQ(frameOf(p.controls), CGRectMake(45, 375, 359 - 90, 34));
  setFrame(p.controls, CGRectMake(-7, 900, 12, 28));
  EXPECT_EQ(frameOf(p.controls), CGRectMake(45, 375, 359 - 90, 28)) << "keeping the height asked";
  EXPECT_TRUE(p.screen->global<bool>("TfirstTimeLoaded"));
  id left = leftTime(p.controls);
  id right = rightTime(p.controls);
  ASSERT_TRUE(left && right);
  EXPECT_EQ(send<id>(left, "superview"_sel), p.controls);
  // 35 left of the row and 10 right of it, 17 below its top, as tall as the host's labels.
  EXPECT_EQ(frameOf(left), CGRectMake(-35, 17, 40, kHostLabelHeight));
  EXPECT_EQ(frameOf(right), CGRectMake(359 - 90 + 10, 17, 40, kHostLabelHeight));
  for (int i = 0; i < 3; ++i) {
    for (id part : {elapsedLabel(p.controls), remainingLabel(p.controls), knob(p.controls)}) {
      EXPECT_TRUE(hiddenOf(part)) << "hidden again at every layout request";
      send<void>(part, "setHidden:"_sel, false);
    }
    p.screen->advance(1);
  }
  EXPECT_EQ(leftTime(p.controls), left) << "built once";

  send<void>(elapsedLabel(p.controls), "setText:"_sel, fnd::string("9:99"));
  send<void>(p.controls, "setElapsedTimeFactor:"_sel, 0.5);
  EXPECT_EQ(textOf(leftTime(p.controls)), "9:99") << "the host writes no text with a new factor";
  send<void>(p.controls, "updateElapsedTime"_sel);
  EXPECT_EQ(textOf(leftTime(p.controls)), "1:47");
  EXPECT_EQ(textOf(rightTime(p.controls)), "-1:47");

  send<void>(elapsedLabel(p.controls), "setText:"_sel, nil);
  send<void>(p.controls, "setElapsedTimeFactor:"_sel, 0.6);
  EXPECT_EQ(textOf(leftTime(p.controls)), "") << "no host text, an empty label";

  // A second time-controls view, made by hand, with a time text longer than its label.
  Ref<> second = makeTimeControls(*p.screen, 2, kHandMadeFrame);
  send<void>(elapsedLabel(second.get()), "setText:"_sel, fnd::string("1234:56:78 and a long tail"));
  p.screen->advance(0);
  ASSERT_NE(leftTime(second.get()), nil);
  EXPECT_NE(leftTime(second.get()), leftTime(p.controls));
  EXPECT_EQ(send<id>(rightTime(second.get()), "superview"_sel), second.get());
  EXPECT_EQ(frameOf(leftTime(second.get())).origin, CGPointMake(-35, 17));
  EXPECT_TRUE(hiddenOf(elapsedLabel(second.get())));

  ASSERT_EQ(uikit::activeConstraints(left).size(), 4u);
  for (int i = 0; i < 3; ++i) p.screen->drag("MRUNowPlayingTimeControlsView", 0.2, 0.8, 5);
  p.screen->advance(1000);
  EXPECT_EQ(uikit::activeConstraints(left).size(), 4u);
  EXPECT_EQ(textOf(leftTime(second.get())), "1234:56:78 and a long tail");
  EXPECT_EQ(uikit::presentationContentOffset(send<id>(leftTime(second.get()), "scrollView"_sel)), CGPointMake(0, 0));

  // A host label the host replaced gets the relation anew.
  Ref<> taller = rt::create(objc_getClass("UILabel"), "initWithFrame:"_sel, CGRectMake(0, 18, 60, 20));
  send<void>(p.controls, "addSubview:"_sel, taller);
  static_cast<MRUNowPlayingTimeControlsView*>(p.controls)->elapsedTimeLabel = taller;
  send<void>(p.controls, "adjustSizeOfTrack"_sel);
  EXPECT_EQ(uikit::activeConstraints(left).size(), 4u);
  std::vector<NSLayoutConstraint*> relation = uikit::activeConstraints(taller.get());
  ASSERT_EQ(relation.size(), 1u);
  EXPECT_EQ(relation[0]->firstItem, left);
}

// A time-controls view whose context changes while the host initialiser runs (at the
// frame it sets) and that counts the track adjustments it is sent.
NSInteger g_contextDuringInit = -1;
int g_adjustments = 0;

Class contextChangingTimeControls() {
  static Class cls = [] {
    Class c = objc_allocateClassPair(objc_getClass("MRUNowPlayingTimeControlsView"), "ContextChangingTimeControls", 0);
    objc_registerClassPair(c);
    class_addMethod(c, "setFrame:"_sel, +[](id self, SEL cmd, CGRect frame) {
      if (g_contextDuringInit >= 0) send<void>(self, "setContext:"_sel, std::exchange(g_contextDuringInit, -1));
      sendSuper<void>(objc_getClass("MRUNowPlayingTimeControlsView"), self, cmd, frame);
    }, "v@:{CGRect={CGPoint=dd}{CGSize=dd}}");
    class_addMethod(c, "adjustSizeOfTrack"_sel, +[](id, SEL) { ++g_adjustments; }, "v@:");
    return c;
  }();
  return cls;
}

// Outside the platter nothing changes; whether a view is the platter's is decided from
// the context before the host initialiser runs.
TEST(TimeLabels, OutsideThePlatterNothingChangesAndTheContextIsReadBeforeTheHostInitialiser) {
  auto screen = bootEnabled();
  Ref<> controls = makeTimeControls(*screen, 0, kHandMadeFrame);
  EXPECT_EQ(frameOf(controls.get()), kHandMadeFrame);
  send<void>(controls, "beginPlaybackWithDuration:"_sel, 200.0);
  send<void>(controls, "setNeedsLayout"_sel);
  screen->drag(screen->centreInWindow(controls.get()), CGPointMake(250, 617), 3);
  send<void>(controls, "cancelTrackingWithEvent:"_sel, nil);
  for (SEL added : {"adjustSizeOfTrack"_sel, "setMaskedCornersForSlider"_sel, "animateTrackToLarge"_sel})
    send<void>(controls, added);
  send<void>(controls, "setElapsedTimeFactor:"_sel, 0.5);
  send<void>(controls, "updateElapsedTime"_sel);

  EXPECT_EQ(leftTime(controls.get()), nil);
  EXPECT_FALSE(screen->global<bool>("TfirstTimeLoaded"));
  EXPECT_EQ(textOf(elapsedLabel(controls.get())), "1:40") << "the host's implementations ran";
  for (id part : {elapsedLabel(controls.get()), remainingLabel(controls.get()), knob(controls.get())}) EXPECT_FALSE(hiddenOf(part));
  EXPECT_EQ(frameOf(elapsedTrack(controls.get())).size.height, kHostBarHeight);
  EXPECT_EQ(transformOf(controls.get()), CGAffineTransformIdentity);

  g_contextDuringInit = 0;
  Ref<> platter = makeTimeControls(*screen, 2, kHandMadeFrame, contextChangingTimeControls());
  EXPECT_EQ(send<NSInteger>(platter, "context"_sel), 0);
  EXPECT_EQ(g_adjustments, 1);

  g_contextDuringInit = 2;
  Ref<> other = makeTimeControls(*screen, 0, kHandMadeFrame, contextChangingTimeControls());
  EXPECT_EQ(g_adjustments, 1);
  send<void>(other, "layoutSubviews"_sel);
  EXPECT_EQ(g_adjustments, 2) << "the first layout in the platter's context adjusts";
}

}  // namespace
