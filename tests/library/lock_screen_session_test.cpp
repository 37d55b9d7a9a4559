// The LockScreen session's drivers and its report.
#include <gtest/gtest.h>

#include <cmath>

#include "foundation/block.h"
#include "lock_screen_helpers.h"
#include "uikit/view.h"

namespace {

using namespace testing_support;
using Json = nlohmann::ordered_json;

const Json* findClass(const Json& view, const std::string& cls) {
  if (view["class"] == cls) return &view;
  for (const Json& sub : view["subviews"])
    if (const Json* found = findClass(sub, cls)) return found;
  return nullptr;
}

TEST(LockScreenSession, SnapshotReportsTheMoment) {
  auto screen = bootLockScreen({.settings = {{"kEnabled", true}}});
  screen->play(song("Snap"));
  screen->advance(1.5);
  Json report = screen->snapshot("playing");
  EXPECT_EQ(report["name"], "playing");
  EXPECT_EQ(report["time"], 1.5);
  EXPECT_EQ(report["globals"]["enabled"], true);
  EXPECT_TRUE(report["globals"].contains("isSmallDeviceSB"));
  for (const char* key : {"launches", "unlockRequests", "haptics", "nowPlayingRequests"})
    EXPECT_TRUE(report["events"].contains(key)) << key;

  const Json& window = report["tree"];
  EXPECT_EQ(window["class"], "UIWindow");
  EXPECT_EQ(window["frame"], Json({0, 0, 390, 844}));
  for (const char* key : {"frame", "windowFrame", "hidden", "alpha", "transform", "cornerRadius", "maskedCorners",
                          "clipsToBounds", "mask", "properties", "subviews"})
    EXPECT_TRUE(window.contains(key)) << key;
  EXPECT_EQ(window["transform"], Json({1, 0, 0, 1, 0, 0}));

  const Json* cover = findClass(window, "CSCoverSheetView");
  ASSERT_NE(cover, nullptr);
  EXPECT_TRUE((*cover)["properties"].contains("lumivaneArtworkBackgroundImageView"));
  const Json* list = findClass(window, "UIScrollView");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ((*list)["contentOffset"], Json({0, 0}));
  EXPECT_EQ((*list)["contentSize"], Json({390, 498}));
  const Json* adjunct = findClass(window, "CSAdjunctItemView");
  ASSERT_NE(adjunct, nullptr);
  EXPECT_EQ((*adjunct)["frame"], Json({15.5, 0, 359, 498}));
  EXPECT_EQ((*adjunct)["windowFrame"], Json({15.5, 162, 359, 498}));
  const Json* label = findClass(*findClass(window, "MRUNowPlayingLabelView"), "UILabel");
  EXPECT_EQ((*label)["text"], "Speaker");
  EXPECT_FALSE(label->contains("presentation")) << "nothing animates";
}

TEST(LockScreenSession, SnapshotShowsWhatIsOnScreenWhileAViewAnimates) {
  auto screen = bootLockScreen();
  id wallpaper = send<id>(member(screen->window(), "subviews"), "firstObject"_sel);
  send<void>(objc_getClass("UIView"), "animateWithDuration:animations:"_sel, 1.0,
             fnd::block<void()>([&] { send<void>(wallpaper, "setAlpha:"_sel, 0.0); }));
  screen->advance(0.5);
  Json tree = screen->snapshot("fading")["tree"];
  const Json& shown = tree["subviews"][0];
  EXPECT_EQ(shown["alpha"], 0);
  ASSERT_TRUE(shown.contains("presentation"));
  EXPECT_GT(shown["presentation"]["alpha"].get<double>(), 0);
  EXPECT_LT(shown["presentation"]["alpha"].get<double>(), 1);
  screen->advance(1);
  EXPECT_FALSE(screen->snapshot("faded")["tree"]["subviews"][0].contains("presentation"));
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
  auto screen = bootLockScreen({.settings = {{"kEnabled", true}}});
  const struct {
    bool stopFirst;
    const char* title;
  } cycles[] = {{false, "The first title, far too long to fit in its label"},
                {false, "The next track, with another title far too long"},
                {true, "Played again after a stop, still far too long"},
                {true, "And once more after a stop, still far too long"}};
  for (const auto& cycle : cycles) {
    if (cycle.stopFirst) screen->stop();
    screen->play(song(cycle.title));
    screen->advance(6);
    id title = member(screen->firstView("MRUNowPlayingHeaderView"), "titleLabel");
    ASSERT_NE(title, nil) << cycle.title;
    EXPECT_EQ(textOf(title), cycle.title);
    EXPECT_TRUE(send<bool>(title, "scrolling"_sel)) << cycle.title;
    EXPECT_TRUE(hiddenOf(member(screen->firstView("MRUNowPlayingLabelView"), "routeLabel"))) << cycle.title;
    size_t launches = screen->launches().size();
    long unlocks = screen->unlockRequests();
    screen->tap(screen->centreInWindow(title));
    EXPECT_EQ(screen->launches().size(), launches + 1) << cycle.title;
    EXPECT_EQ(screen->unlockRequests(), unlocks + 1) << cycle.title;
    for (bool expanded : {true, false}) {
      screen->tap("MRUArtworkView");
      screen->advance(1);
      EXPECT_EQ(screen->global<bool>("Expanded"), expanded) << cycle.title;
    }
    id time = screen->firstView("MRUNowPlayingTimeControlsView");
    EXPECT_EQ(textOf(member(time, "leftTime")), "0:08") << cycle.title;
    EXPECT_EQ(textOf(member(time, "rightTime")), "-3:27") << cycle.title;
  }
}

}  // namespace
