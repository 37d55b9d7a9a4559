// The LockScreen session's drivers and its report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "foundation/block.h"
#include "lock_screen_helpers.h"
#include "uikit/view.h"

namespace {

using namespace testing_support;
using lv::host::ViewSnapshot;

const ViewSnapshot* findClass(const ViewSnapshot& view, const std::string& cls) {
  if (view.className == cls) return &view;
  for (const ViewSnapshot& sub : view.subviews)
    if (const ViewSnapshot* found = findClass(sub, cls)) return found;
  return nullptr;
}

TEST(LockScreenSession, SnapshotReportsTheMoment) {
  auto screen = bootEnabled();
  screen->play(song("Snap"));
  screen->advance(1.5);
  lv::host::LockScreenSnapshot report = screen->snapshot("playing");
  EXPECT_EQ(report.name, "playing");
  EXPECT_EQ(report.time, 1.5);
  EXPECT_EQ(std::get<bool>(report.globals.front().value), true) << report.globals.front().name;
  EXPECT_EQ(report.globals.back().name, "isSmallDeviceSB");

  const ViewSnapshot& window = report.tree;
  EXPECT_EQ(window.className, "UIWindow");
  EXPECT_EQ(window.frame, CGRectMake(0, 0, 390, 844));
  EXPECT_EQ(window.transform, CGAffineTransformIdentity);

  const ViewSnapshot* cover = findClass(window, "CSCoverSheetView");
  ASSERT_NE(cover, nullptr);
  EXPECT_TRUE(std::ranges::any_of(cover->properties, [](auto& p) { return p.first == "lumivaneArtworkBackgroundImageView"; }));
  const ViewSnapshot* list = findClass(window, "UIScrollView");
  ASSERT_TRUE(list && list->scroll);
  EXPECT_EQ(list->scroll->contentOffset, CGPointMake(0, 0));
  EXPECT_EQ(list->scroll->contentSize, CGSizeMake(390, 498));
  const ViewSnapshot* adjunct = findClass(window, "CSAdjunctItemView");
  ASSERT_NE(adjunct, nullptr);
  EXPECT_EQ(adjunct->frame, CGRectMake(15.5, 0, 359, 498));
  EXPECT_EQ(adjunct->windowFrame, CGRectMake(15.5, 162, 359, 498));
  const ViewSnapshot* label = findClass(*findClass(window, "MRUNowPlayingLabelView"), "UILabel");
  EXPECT_EQ(label->text, "Speaker");
  EXPECT_FALSE(label->presentation) << "nothing animates";
}

TEST(LockScreenSession, SnapshotShowsWhatIsOnScreenWhileAViewAnimates) {
  auto screen = bootLockScreen();
  id wallpaper = send<id>(member(screen->window(), "subviews"), "firstObject"_sel);
  send<void>(objc_getClass("UIView"), "animateWithDuration:animations:"_sel, 1.0,
             fnd::block<void()>([&] { send<void>(wallpaper, "setAlpha:"_sel, 0.0); }));
  screen->advance(0.5);
  const ViewSnapshot shown = screen->snapshot("fading").tree.subviews[0];
  EXPECT_EQ(shown.alpha, 0);
  ASSERT_TRUE(shown.presentation);
  EXPECT_GT(shown.presentation->alpha, 0);
  EXPECT_LT(shown.presentation->alpha, 1);
  screen->advance(1);
  EXPECT_FALSE(screen->snapshot("faded").tree.subviews[0].presentation);
}

TEST(LockScreenSession, DriversRefuseWhatCannotBeDoneAndDragsTakeAFramePerStepAndHoldUntilReleased) {
  auto screen = bootLockScreen();
  EXPECT_THROW(screen->advance(-1), lv::host::SessionError);
  EXPECT_THROW(screen->advance(std::nan("")), lv::host::SessionError);
  EXPECT_THROW(screen->play({"Bad", "", "", -5, lv::host::Artwork::none()}), lv::host::SessionError);
  EXPECT_THROW(screen->drag("MRUNowPlayingTimeControlsView", 0, 1), lv::host::SessionError) << "nothing plays";
  EXPECT_EQ(screen->now(), 0) << "nothing ran";

  screen->play(song());
  id time = screen->firstView("MRUNowPlayingTimeControlsView");
  screen->drag("MRUNowPlayingTimeControlsView", 0.1, 0.4, 6);
  EXPECT_NEAR(screen->now(), 6 * lv::host::LockScreen::kFrame, 1e-9);
  EXPECT_FALSE(send<bool>(time, "isTracking"_sel));
  screen->drag(screen->centreInWindow(time), screen->centreInWindow(time), 1, true);
  EXPECT_TRUE(send<bool>(time, "isTracking"_sel));
  screen->release();
  EXPECT_FALSE(send<bool>(time, "isTracking"_sel));
  EXPECT_THROW(lv::host::LockScreen::boot(), lv::host::BootError) << "one per process";
}

// The header, artwork and time controls that the library restyles once stay restyled
// through next tracks, stops and plays again.
TEST(LockScreenSession, TheRestyleHoldsThroughStopsAndPlaysAgain) {
  auto screen = bootEnabled();
  for (int cycle = 0; cycle < 4; ++cycle) {
    std::string name = "Track " + std::to_string(cycle) + ", with a title far too long to fit in its label";
    if (cycle >= 2) screen->stop();
    screen->play(song(name));
    screen->advance(6);
    id title = member(screen->firstView("MRUNowPlayingHeaderView"), "titleLabel");
    ASSERT_NE(title, nil) << name;
    EXPECT_EQ(textOf(title), name);
    EXPECT_TRUE(send<bool>(title, "scrolling"_sel)) << name;
    EXPECT_TRUE(hiddenOf(member(screen->firstView("MRUNowPlayingLabelView"), "routeLabel"))) << name;
    screen->tap(screen->centreInWindow(title));
    EXPECT_EQ(screen->unlockRequests(), cycle + 1) << name;
    for (bool expanded : {true, false}) {
      screen->tap("MRUArtworkView");
      screen->advance(1);
      EXPECT_EQ(screen->global<bool>("Expanded"), expanded) << name;
    }
    id time = screen->firstView("MRUNowPlayingTimeControlsView");
    EXPECT_EQ(textOf(member(time, "leftTime")), "0:08") << name;
    EXPECT_EQ(textOf(member(time, "rightTime")), "-3:27") << name;
  }
}

}  // namespace
