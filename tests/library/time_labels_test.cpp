#include <gtest/gtest.h>

#include <utility>

#include "time_controls_rig.h"
#include "uikit/font.h"
#include "uikit/layout_constraint.h"
#include "uikit/scroll_view.h"
#include "uikit/view_animation.h"

namespace {

using namespace testing_support;

void layOut() { uikit::runLayoutPass(); }

TEST(TimeLabels, OutsideThePlatterNothingChanges) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls(0);
  MRUNowPlayingTimeControlsView* v = parts(controls);

  send<void>(controls, "setFrame:"_sel, CGRectMake(1, 2, 3, 4));
  EXPECT_EQ(frameOf(controls), CGRectMake(1, 2, 3, 4));
  send<void>(controls, "setNeedsLayout"_sel);
  layOut();
  send<void>(controls, "setElapsedTimeFactor:"_sel, 0.5);
  send<void>(controls, "updateElapsedTime"_sel);

  EXPECT_EQ(leftTime(controls), nil);
  EXPECT_EQ(rightTime(controls), nil);
  EXPECT_FALSE(rig.device().library().global<bool>("TfirstTimeLoaded"));
  EXPECT_EQ(textOf(v->elapsedTimeLabel), "1:40") << "the host's implementation ran";
  for (id part : {v->elapsedTimeLabel.get(), v->remainingTimeLabel.get(), v->knobView.get()})
    EXPECT_FALSE(hidden(part));
  EXPECT_EQ(frameOf(v->elapsedTrack).size.height, kHostBarHeight);
  EXPECT_EQ(layerOf(v->remainingTrack)->maskedCorners, 15u);
}

TEST(TimeLabels, FramedAtTheRowsPlaceKeepingTheHeight) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls();
  send<void>(controls, "setFrame:"_sel, CGRectMake(0, 0, 200, 33));
  EXPECT_EQ(frameOf(controls), CGRectMake(45, 375, kControlsWidth - 90, 33));
  send<void>(controls, "setFrame:"_sel, CGRectMake(-7, 900, 12, 28));
  EXPECT_EQ(frameOf(controls), CGRectMake(45, 375, kControlsWidth - 90, 28));
}

// A time-controls view whose context changes while the host initialiser runs (at the
// frame it sets) and that counts the track adjustments it is sent.
NSInteger g_contextDuringInit = -1;
int g_adjustments = 0;

Class contextChangingTimeControls() {
  static Class cls = [] {
    Class base = objc_getClass("MRUNowPlayingTimeControlsView");
    Class c = objc_allocateClassPair(base, "ContextChangingTimeControls", 0);
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

Ref<> createChangingContext(NSInteger before, NSInteger during) {
  id allocated = send<id>(contextChangingTimeControls(), "alloc"_sel);
  send<void>(allocated, "setContext:"_sel, before);
  g_contextDuringInit = during;
  return Ref<>::adopt(send<id>(allocated, "initWithFrame:primaryAction:"_sel, kRowFrame, nil));
}

TEST(TimeLabels, CreationDecidesFromTheContextBeforeTheHostInitialiser) {
  TimeControlsRig rig;
  Ref<> platter = createChangingContext(2, 0);
  EXPECT_EQ(send<NSInteger>(platter, "context"_sel), 0);
  EXPECT_EQ(g_adjustments, 1);

  Ref<> other = createChangingContext(0, 2);
  EXPECT_EQ(g_adjustments, 1);
  send<void>(other, "layoutSubviews"_sel);
  EXPECT_EQ(g_adjustments, 2) << "the first layout in the platter's context adjusts";
}

TEST(TimeLabels, FirstLayoutRequestBuildsTheLabels) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls();
  MRUNowPlayingTimeControlsView* v = parts(controls);
  send<void>(v->elapsedTimeLabel, "setText:"_sel, fnd::string("0:07"));
  send<void>(v->remainingTimeLabel, "setText:"_sel, fnd::string("-3:13"));
  send<void>(controls, "setNeedsLayout"_sel);
  layOut();

  EXPECT_TRUE(rig.device().library().global<bool>("TfirstTimeLoaded"));
  id left = leftTime(controls);
  id right = rightTime(controls);
  ASSERT_TRUE(left && right);
  EXPECT_TRUE(rt::isKindOfClass(left, objc_getClass("CBAutoScrollLabel")));
  EXPECT_EQ(textOf(left), "0:07");
  EXPECT_EQ(textOf(right), "-3:13");
  for (id label : {left, right}) {
    EXPECT_EQ(send<id>(label, "superview"_sel), controls.get());
    EXPECT_FALSE(send<bool>(label, "translatesAutoresizingMaskIntoConstraints"_sel));
    id font = send<id>(label, "font"_sel);
    EXPECT_EQ(send<CGFloat>(font, "pointSize"_sel), 11);
    EXPECT_EQ(static_cast<UIFont*>(font)->weight, UIFontWeightMedium);
    EXPECT_TRUE(send<bool>(send<id>(label, "textColor"_sel), "isEqual:"_sel,
                           send<id>(objc_getClass("UIColor"), "secondaryLabelColor"_sel)));
    EXPECT_EQ(send<double>(label, "pauseInterval"_sel), 300);
    EXPECT_EQ(send<float>(label, "scrollSpeed"_sel), 0);
  }
  // 35 left of the view and 10 right of it, 17 below its top, as tall as the host's labels.
  EXPECT_EQ(frameOf(left), CGRectMake(-35, 17, 40, kHostLabelHeight));
  EXPECT_EQ(frameOf(right), CGRectMake(kRowFrame.size.width + 10, 17, 40, kHostLabelHeight));
  for (id part : {v->elapsedTimeLabel.get(), v->remainingTimeLabel.get(), v->knobView.get()})
    EXPECT_TRUE(hidden(part));
}

TEST(TimeLabels, HostPartsStayHiddenAfterEveryLayoutRequest) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls();
  MRUNowPlayingTimeControlsView* v = parts(controls);
  send<void>(controls, "setNeedsLayout"_sel);
  id left = leftTime(controls);
  for (int i = 0; i < 3; ++i) {
    for (id part : {v->elapsedTimeLabel.get(), v->remainingTimeLabel.get(), v->knobView.get()})
      send<void>(part, "setHidden:"_sel, false);
    send<void>(controls, "setNeedsLayout"_sel);
    layOut();
    for (id part : {v->elapsedTimeLabel.get(), v->remainingTimeLabel.get(), v->knobView.get()})
      EXPECT_TRUE(hidden(part));
  }
  EXPECT_EQ(leftTime(controls), left) << "built once";
}

TEST(TimeLabels, ShowTheTextsTheHostJustWrote) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls();
  send<void>(controls, "setNeedsLayout"_sel);
  send<void>(controls, "setElapsedTimeFactor:"_sel, 0.25);
  send<void>(controls, "updateElapsedTime"_sel);
  EXPECT_EQ(textOf(leftTime(controls)), "0:50");
  EXPECT_EQ(textOf(rightTime(controls)), "-2:30");

  MRUNowPlayingTimeControlsView* v = parts(controls);
  send<void>(v->elapsedTimeLabel, "setText:"_sel, nil);
  send<void>(controls, "setElapsedTimeFactor:"_sel, 0.5);
  EXPECT_EQ(textOf(leftTime(controls)), "") << "a host label without text gives an empty label";
  EXPECT_EQ(textOf(rightTime(controls)), "-2:30");
}

TEST(TimeLabels, ALongTimeTextNeverMoves) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls();
  send<void>(parts(controls)->elapsedTimeLabel, "setText:"_sel, fnd::string("1234:56:78 and a long tail"));
  send<void>(controls, "setNeedsLayout"_sel);
  settle(1000);
  id scrollView = send<id>(leftTime(controls), "scrollView"_sel);
  EXPECT_EQ(send<CGPoint>(scrollView, "contentOffset"_sel), CGPointMake(0, 0));
  EXPECT_EQ(uikit::presentationContentOffset(scrollView), CGPointMake(0, 0));
}

TEST(TimeLabels, EveryTimeControlsViewGetsItsOwnLabels) {
  TimeControlsRig rig;
  Ref<> first = rig.addControls();
  send<void>(first, "setNeedsLayout"_sel);
  Ref<> second = rig.addControls();
  send<void>(parts(second)->elapsedTimeLabel, "setText:"_sel, fnd::string("0:42"));
  send<void>(second, "setNeedsLayout"_sel);
  layOut();

  EXPECT_TRUE(rig.device().library().global<bool>("TfirstTimeLoaded"));
  ASSERT_NE(leftTime(second), nil);
  EXPECT_NE(leftTime(second), leftTime(first));
  EXPECT_EQ(send<id>(rightTime(second), "superview"_sel), second.get());
  EXPECT_EQ(textOf(leftTime(second)), "0:42");
  EXPECT_EQ(frameOf(leftTime(second)), CGRectMake(-35, 17, 40, kHostLabelHeight));
}

TEST(TimeLabels, HeightRelationsAreMadeOnce) {
  TimeControlsRig rig;
  Ref<> controls = rig.addControls();
  {
    rt::AutoreleasePool pool;
    send<void>(controls, "setNeedsLayout"_sel);
    layOut();
  }
  size_t constraints = uikit::activeConstraints(leftTime(controls)).size();
  EXPECT_EQ(constraints, 4u);
  long live = rt::liveObjectCount();
  {
    rt::AutoreleasePool pool;
    for (int i = 0; i < 20; ++i) {
      send<void>(controls, "adjustSizeOfTrack"_sel);
      send<void>(controls, "animateTrackToLarge"_sel);
      send<void>(controls, "animateTrackToSmall"_sel);
    }
  }
  settle();
  EXPECT_EQ(uikit::activeConstraints(leftTime(controls)).size(), constraints);
  EXPECT_EQ(rt::liveObjectCount(), live) << "no constraint was made and kept";

  // A host label the host replaced gets the relation anew.
  MRUNowPlayingTimeControlsView* v = parts(controls);
  Ref<> taller = makeView("UILabel", CGRectMake(0, 16, 40, 20));
  send<void>(controls, "addSubview:"_sel, taller);
  v->elapsedTimeLabel = taller;
  send<void>(controls, "adjustSizeOfTrack"_sel);
  layOut();
  EXPECT_EQ(uikit::activeConstraints(leftTime(controls)).size(), constraints);
  EXPECT_EQ(frameOf(leftTime(controls)).size.height, 20);
}

}  // namespace
