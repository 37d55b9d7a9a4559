// The LockScreen session's drivers and its report.
#include <gtest/gtest.h>

#include <cmath>

#include "lock_screen_helpers.h"
#include "uikit/view.h"

namespace {

using namespace testing_support;
using Json = nlohmann::ordered_json;

const Json& findClass(const Json& view, const std::string& cls) {
  static const Json none;
  if (view["class"] == cls) return view;
  for (const Json& sub : view["subviews"])
    if (const Json& found = findClass(sub, cls); !found.is_null()) return found;
  return none;
}

TEST(LockScreenSession, SnapshotReportsTheMoment) {
  auto screen = bootEnabled();
  screen->play(song("Snap"));
  screen->advance(1.5);
  Json report = screen->snapshot("playing");
  EXPECT_EQ(report["name"], "playing");
  EXPECT_EQ(report["time"], 1.5);
  EXPECT_EQ(report["globals"]["enabled"], true);
  EXPECT_EQ(report["events"]["nowPlayingRequests"], 2);

  const Json& window = report["tree"];
  EXPECT_EQ(window["class"], "UIWindow");
  EXPECT_EQ(window["frame"], Json({0, 0, 390, 844}));
  EXPECT_EQ(window["transform"], Json({1, 0, 0, 1, 0, 0}));
  EXPECT_TRUE(findClass(window, "CSCoverSheetView")["properties"].contains("lumivaneArtworkBackgroundImageView"));
  EXPECT_EQ(findClass(window, "UIScrollView")["contentSize"], Json({390, 498}));
  EXPECT_EQ(findClass(window, "CSAdjunctItemView")["windowFrame"], Json({15.5, 162, 359, 498}));
  const Json& label = findClass(findClass(window, "MRUNowPlayingLabelView"), "UILabel");
  EXPECT_EQ(label["text"], "Speaker");
  EXPECT_FALSE(label.contains("presentation")) << "nothing animates";
}

TEST(LockScreenSession, DriversRefuseWhatCannotBeDoneAndDragsTakeAFramePerStepAndHoldUntilReleased) {
  auto screen = bootLockScreen();
  EXPECT_THROW(screen->advance(-1), host::SessionError);
  EXPECT_THROW(screen->advance(std::nan("")), host::SessionError);
  EXPECT_THROW(screen->play({"Bad", "", "", -5, host::Artwork::none()}), host::SessionError);
  EXPECT_THROW(screen->drag("MRUNowPlayingTimeControlsView", 0, 1), host::SessionError) << "nothing plays";
  EXPECT_EQ(screen->now(), 0) << "nothing ran";

  screen->play(song());
  id time = screen->firstView("MRUNowPlayingTimeControlsView");
  screen->drag("MRUNowPlayingTimeControlsView", 0.1, 0.4, 6);
  EXPECT_NEAR(screen->now(), 6 * host::LockScreen::kFrame, 1e-9);
  EXPECT_FALSE(send<bool>(time, "isTracking"_sel));
  screen->drag(screen->centreInWindow(time), screen->centreInWindow(time), 1, true);
  EXPECT_TRUE(send<bool>(time, "isTracking"_sel));
  screen->release();
  EXPECT_FALSE(send<bool>(time, "isTracking"_sel));
  EXPECT_THROW(host::LockScreen::boot(), host::BootError) << "one per process";
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
