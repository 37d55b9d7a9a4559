// The LockScreen session's drivers and its report.
#include <gtest/gtest.h>

#include <algorithm>

#include "foundation/block.h"
#include "support/lock_screen_helpers.h"

namespace {

using namespace testing_support;
using lv::host::ViewSnapshot;

const ViewSnapshot* findClass(const ViewSnapshot& view, const std::string& cls) {
  if (view.className == cls) return &view;
  for (const ViewSnapshot& sub : view.subviews)
    if (const ViewSnapshot* found = findClass(sub, cls)) return found;
  return nullptr;
}

// What animates is reported as it stands and as it shows.
TEST(LockScreenSession, SnapshotReportsWhatIsOnScreen) {
  auto screen = bootEnabled();
  screen->play(song("Snap"));
  id wallpaper = send<id>(member(screen->window(), "subviews"), "firstObject"_sel);
  send<void>(objc_getClass("UIView"), "animateWithDuration:animations:"_sel, 1.0,
             fnd::block<void()>([&] { send<void>(wallpaper, "setAlpha:"_sel, 0.0); }));
  screen->advance(0.5);
  lv::host::LockScreenSnapshot report = screen->snapshot("playing");
  EXPECT_EQ(std::get<bool>(report.globals.front().value), true) << report.globals.front().name;
  EXPECT_EQ(report.globals.back().name, "isSmallDeviceSB");
  const ViewSnapshot& window = report.tree;
  EXPECT_EQ(window.subviews[0].alpha, 0);
  ASSERT_TRUE(window.subviews[0].presentation);
  EXPECT_GT(window.subviews[0].presentation->alpha, 0);
  EXPECT_LT(window.subviews[0].presentation->alpha, 1);

  const ViewSnapshot* cover = findClass(window, "CSCoverSheetView");
  EXPECT_TRUE(cover && std::ranges::any_of(cover->properties, [&](auto& p) {
    return p.first == "lumivaneArtworkBackgroundImageView" && p.second == lv::host::ObjectSnapshot{"UIImageView", cover->id + "/0"}; }));
  const ViewSnapshot* list = findClass(window, "UIScrollView");
  ASSERT_TRUE(list && list->scroll);
  EXPECT_EQ(list->scroll->contentSize, CGSizeMake(390, 498));
  const ViewSnapshot* label = findClass(*findClass(window, "MRUNowPlayingLabelView"), "UILabel");
  EXPECT_EQ(label->text, "Speaker");
  EXPECT_FALSE(label->presentation) << "nothing animates";
  screen->advance(1);
  EXPECT_FALSE(screen->snapshot("faded").tree.subviews[0].presentation);
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
