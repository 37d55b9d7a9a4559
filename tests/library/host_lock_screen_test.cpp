// The host's lock screen on its own: the library is loaded with kEnabled off, so only its
// first group runs and nothing it does is visible.
#include <gtest/gtest.h>

#include <cmath>

#include "host/generated_artwork.h"
#include "host/host_geometry.h"
#include "host/time_controls.h"
#include "lock_screen_helpers.h"
#include "uikit/image.h"

namespace {

using namespace testing_support;

std::string elapsedText(id time) { return textOf(member(time, "elapsedTimeLabel")); }
double factorOf(id time) { return send<double>(time, "elapsedTimeFactor"_sel); }
bool tracking(id time) { return send<bool>(time, "isTracking"_sel); }

struct ProfileCase {
  const char *name, *profile;
  CGRect window, adjunct;
};
struct HostPlatter : testing::TestWithParam<ProfileCase> {};

TEST_P(HostPlatter, PlayingBuildsThePlatterAndANewTrackReplacesItsContents) {
  auto [name, profile, window, frame] = GetParam();
  auto screen = bootLockScreen({.profile = profile});
  EXPECT_EQ(frameOf(screen->window()), window);
  screen->play(song("First Song"));
  id adjunct = screen->firstView("CSAdjunctItemView");
  ASSERT_NE(adjunct, nil);
  EXPECT_EQ(frameOf(adjunct), frame);
  EXPECT_EQ(frameOf(member(member(adjunct, "platterView"), "backgroundView")), CGRectMake(0, 0, frame.size.width, 206));
  id artwork = screen->firstView("MRUArtworkView");
  EXPECT_FALSE(hiddenOf(member(artwork, "artworkImageView")));
  EXPECT_TRUE(hiddenOf(member(artwork, "placeholderBackground")));
  auto* image = static_cast<UIImage*>(member(artwork, "artworkImage"));
  ASSERT_TRUE(image && image->rgba);
  rt::AutoreleasePool pool;
  EXPECT_EQ(*static_cast<UIImage*>(lv::host::generatedArtwork("First Song"))->rgba, *image->rgba);
  EXPECT_NE(*static_cast<UIImage*>(lv::host::generatedArtwork("Another"))->rgba, *image->rgba);
  screen->tap("MRUArtworkView");
  screen->tap("MRUNowPlayingLabelView");
  EXPECT_TRUE(screen->launches().empty()) << "taps open nothing without the library";
  EXPECT_EQ(screen->unlockRequests() + screen->haptics(), 0);

  screen->advance(10);
  screen->play({"Two", "", "", 60, lv::host::Artwork::none()});
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), adjunct);
  EXPECT_EQ(member(screen->firstView("MRUNowPlayingLabelView"), "subtitle"), nil);
  EXPECT_TRUE(hiddenOf(member(artwork, "artworkImageView")));
  EXPECT_FALSE(hiddenOf(member(artwork, "placeholderBackground")));
  EXPECT_THROW(screen->tap("CSFocusActivityView"), lv::host::SessionError) << "the library declines it; the host copes";
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, HostPlatter,
    testing::Values(ProfileCase{"Phone", "phone", CGRectMake(0, 0, 390, 844), CGRectMake(15.5, 0, 359, 206)},
                    ProfileCase{"SmallPhone", "small-phone", CGRectMake(0, 0, 375, 667), CGRectMake(15.5, 0, 344, 206)},
                    ProfileCase{"Tablet", "tablet", CGRectMake(0, 0, 810, 1080), CGRectMake(185, 0, 440, 206)}),
    [](const auto& info) { return std::string(info.param.name); });

// Bad input is refused before anything is done; times past the end or unknown read as
// none. Then drags and taps scrub, pausing holds the time and stop takes the platter away.
TEST(HostLockScreen, DragsAndTapsScrubPausingHoldsTheTimeAndStopTakesThePlatterAway) {
  EXPECT_EQ(lv::host::remainingTimeText(-2), "-0:00");
  EXPECT_EQ(lv::host::elapsedTimeText(std::nan("")), "0:00");
  auto screen = bootLockScreen();
  EXPECT_THROW(screen->advance(-1), lv::host::SessionError);
  EXPECT_THROW(screen->advance(std::nan("")), lv::host::SessionError);
  EXPECT_THROW(screen->play({"Bad", "", "", -5, lv::host::Artwork::none()}), lv::host::SessionError);
  EXPECT_THROW(screen->play(song("X", lv::host::Artwork::fromFile("/no/such/art.png"))), lv::host::SessionError);
  EXPECT_THROW(screen->drag("MRUNowPlayingTimeControlsView", 0, 1), lv::host::SessionError) << "nothing plays";
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), nil);
  screen->setPaused(true);
  EXPECT_FALSE(screen->paused()) << "nothing plays";
  screen->play(song());
  Ref<> adjunct = screen->firstView("CSAdjunctItemView");
  id time = screen->firstView("MRUNowPlayingTimeControlsView");
  screen->drag("MRUNowPlayingTimeControlsView", 0.2, 0.7, 5, true);
  EXPECT_NEAR(screen->now(), 5 * lv::host::LockScreen::kFrame, 1e-9) << "a frame per step, and nothing ran before";
  EXPECT_TRUE(tracking(time));
  EXPECT_EQ(elapsedText(time), "2:30");
  screen->advance(3);
  EXPECT_DOUBLE_EQ(factorOf(time), 0.7) << "the finger holds it";
  screen->release();
  EXPECT_FALSE(tracking(time));
  screen->advance(1);
  EXPECT_EQ(elapsedText(time), "2:31");
  EXPECT_DOUBLE_EQ(frameOf(member(time, "elapsedTrack")).size.width, 327 * factorOf(time)) << "bars follow";

  screen->setPaused(true);
  screen->advance(5);
  EXPECT_EQ(elapsedText(time), "2:31");
  screen->tap(screen->centreInWindow(time));
  screen->advance(5);
  EXPECT_EQ(elapsedText(time), "1:47") << "a seek while paused stays put";
  screen->setPaused(false);
  screen->advance(2);
  EXPECT_EQ(elapsedText(time), "1:49");
  screen->setPaused(true);
  screen->play(song("Next"));
  EXPECT_FALSE(screen->paused()) << "a new track plays";

  CGPoint start = screen->centreInWindow(time);
  screen->touchMove(start);
  screen->touchDown(start);
  screen->touchMove({start.x + frameOf(time).size.width * 0.25, start.y});
  EXPECT_TRUE(tracking(time));
  EXPECT_DOUBLE_EQ(factorOf(time), 0.75);
  screen->release();
  screen->advance(300);
  EXPECT_TRUE(fnd::RunLoop::main().idle()) << "no clock left running at the end";

  screen->play(song());
  screen->stop();
  EXPECT_EQ(member(adjunct, "superview"), nil);
  EXPECT_FALSE(send<bool>(time, "isPlaying"_sel));
  EXPECT_TRUE(fnd::RunLoop::main().idle());
}

TEST(HostLockScreen, CompactTurnsThePhoneToLandscape) {
  auto screen = bootLockScreen();
  screen->play(song());
  screen->setSizeClass(lv::host::SizeClass::Compact);
  id controls = screen->firstView("MRUNowPlayingControlsView");
  EXPECT_EQ(frameOf(screen->firstView("CSAdjunctItemView")), CGRectMake(202, 0, 440, 206));
  id listController = member(screen->coverSheet(), "listViewController");
  id list = member(listController, "view");
  screen->drag({100, 340}, {100, 40});
  EXPECT_EQ(send<CGPoint>(list, "contentOffset"_sel).y, 12) << "as far as the 206-point platter goes";
  send<void>(member(screen->coverSheet(), "lumivaneArtworkBackgroundImageView"), "setHidden:"_sel, false);
  EXPECT_EQ(send<UIEdgeInsets>(listController, "_listViewDefaultContentInsets"_sel).top,
            lv::host::geometry::kListViewInsets.top) << "not pulled up over a shown background";
  screen->setSizeClass(lv::host::SizeClass::Regular);
  EXPECT_EQ(frameOf(controls).size.width, 359);
  EXPECT_EQ(send<CGPoint>(list, "contentOffset"_sel).y, 0) << "the platter fits the list again";
}

}  // namespace
