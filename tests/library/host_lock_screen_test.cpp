// The host's lock screen on its own: the library is loaded with kEnabled off, so only its
// first group runs and nothing it does is visible.
#include <gtest/gtest.h>

#include "host/generated_artwork.h"
#include "lock_screen_helpers.h"
#include "uikit/image.h"
#include "uikit/view.h"

namespace {

using namespace testing_support;

id nowPlayingApplication() {
  return member(send<id>(objc_getClass("SBMediaController"), "sharedInstance"_sel), "nowPlayingApplication");
}
std::string elapsedText(id time) { return textOf(member(time, "elapsedTimeLabel")); }
double factorOf(id time) { return send<double>(time, "elapsedTimeFactor"_sel); }
bool tracking(id time) { return send<bool>(time, "isTracking"_sel); }

struct ProfileCase {
  const char *name, *profile;
  CGRect window, adjunct;
};
struct HostPlatter : testing::TestWithParam<ProfileCase> {};

TEST_P(HostPlatter, PlayingBuildsThePlatterAndANewTrackReplacesItsContents) {
  auto [name, profile, window, adjunctFrame] = GetParam();
  auto screen = bootLockScreen({.profile = profile});
  EXPECT_EQ(frameOf(screen->window()), window);
  EXPECT_EQ(send<id>(member(screen->window(), "subviews"), "lastObject"_sel), screen->coverSheet());
  screen->play(song("First Song"));
  id adjunct = screen->firstView("CSAdjunctItemView");
  ASSERT_NE(adjunct, nil);
  EXPECT_EQ(frameOf(adjunct), adjunctFrame);
  id platter = member(adjunct, "platterView");
  id material = member(platter, "backgroundView");
  EXPECT_EQ(send<CGFloat>(platter, "cornerRadius"_sel), 13);
  EXPECT_EQ(frameOf(material), CGRectMake(0, 0, adjunctFrame.size.width, 206));
  EXPECT_FALSE(hiddenOf(member(screen->firstView("MRUNowPlayingControlsView"), "volumeControlsView")));
  id labelView = screen->firstView("MRUNowPlayingLabelView");
  EXPECT_EQ(textOf(member(labelView, "titleMarqueeView")), "First Song");
  EXPECT_EQ(textOf(member(labelView, "subtitleMarqueeView")), "Artist");
  EXPECT_EQ(textOf(member(labelView, "routeLabel")), "Speaker");
  id artwork = screen->firstView("MRUArtworkView");
  EXPECT_FALSE(hiddenOf(member(artwork, "artworkImageView")));
  EXPECT_TRUE(hiddenOf(member(artwork, "placeholderBackground")));
  EXPECT_EQ(fnd::utf8(member(nowPlayingApplication(), "bundleIdentifier")), "com.example.player");
  screen->tap("MRUArtworkView");
  screen->tap("MRUNowPlayingLabelView");
  EXPECT_TRUE(screen->launches().empty()) << "taps open nothing without the library";
  EXPECT_EQ(screen->unlockRequests() + screen->haptics(), 0);
  EXPECT_EQ(frameOf(artwork), CGRectMake(16, 16, 44, 44));

  screen->advance(10);
  screen->play({"Two", "", "", 60, lv::host::Artwork::none()});
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), adjunct);
  EXPECT_EQ(textOf(member(labelView, "titleMarqueeView")), "Two");
  EXPECT_EQ(member(labelView, "subtitle"), nil);
  EXPECT_TRUE(hiddenOf(member(artwork, "artworkImageView")));
  EXPECT_FALSE(hiddenOf(member(artwork, "placeholderBackground")));
  EXPECT_EQ(textOf(member(screen->firstView("MRUNowPlayingTimeControlsView"), "remainingTimeLabel")), "-1:00");
  EXPECT_EQ(nowPlayingApplication(), nil) << "no app named";
  EXPECT_THROW(screen->tap("CSFocusActivityView"), lv::host::SessionError) << "the library declines it; the host copes";
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, HostPlatter,
    testing::Values(ProfileCase{"Phone", "phone", CGRectMake(0, 0, 390, 844), CGRectMake(15.5, 0, 359, 206)},
                    ProfileCase{"SmallPhone", "small-phone", CGRectMake(0, 0, 375, 667), CGRectMake(15.5, 0, 344, 206)},
                    ProfileCase{"Tablet", "tablet", CGRectMake(0, 0, 810, 1080), CGRectMake(185, 0, 440, 206)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HostLockScreen, TimeTicksEverySecondWhilePlayingAndStopTakesThePlatterAway) {
  auto screen = bootLockScreen();
  screen->play(song());
  Ref<> adjunct = screen->firstView("CSAdjunctItemView");
  Ref<> time = screen->firstView("MRUNowPlayingTimeControlsView");
  Ref<> nowPlaying = screen->firstView("MRUNowPlayingView");
  screen->advance(2.5);
  EXPECT_EQ(elapsedText(time), "0:02");
  EXPECT_EQ(textOf(member(time, "remainingTimeLabel")), "-3:33");
  EXPECT_DOUBLE_EQ(frameOf(member(time, "elapsedTrack")).size.width, 327 * 2.0 / 215) << "bars follow";
  screen->advance(300);
  EXPECT_EQ(elapsedText(time), "3:35") << "stops at the end";
  EXPECT_TRUE(fnd::RunLoop::main().idle()) << "no clock left running";

  screen->play(song());
  screen->stop();
  EXPECT_EQ(member(adjunct, "superview"), nil);
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), nil);
  EXPECT_FALSE(send<bool>(time, "isPlaying"_sel));
  EXPECT_TRUE(fnd::RunLoop::main().idle());
  screen->play(song("Again"));
  EXPECT_NE(screen->firstView("CSAdjunctItemView"), adjunct.get()) << "a fresh platter";
  EXPECT_EQ(screen->firstView("MRUNowPlayingView"), nowPlaying.get()) << "around the kept now-playing views";
}

TEST(HostLockScreen, DragsAndAFingerMovedScrubAndPlaybackGoesOnFromThere) {
  auto screen = bootLockScreen();
  screen->play(song());
  id time = screen->firstView("MRUNowPlayingTimeControlsView");
  screen->drag("MRUNowPlayingTimeControlsView", 0.2, 0.7, 5, true);
  EXPECT_TRUE(tracking(time));
  EXPECT_EQ(elapsedText(time), "2:30");
  screen->advance(3);
  EXPECT_DOUBLE_EQ(factorOf(time), 0.7) << "the finger holds it";
  screen->release();
  EXPECT_FALSE(tracking(time));
  screen->advance(1);
  EXPECT_EQ(elapsedText(time), "2:31");

  CGPoint start = screen->centreInWindow(time);
  screen->touchMove(start);
  screen->touchDown(start);
  screen->touchMove({start.x + frameOf(time).size.width * 0.25, start.y});
  EXPECT_TRUE(tracking(time));
  EXPECT_DOUBLE_EQ(factorOf(time), 0.75);
}

TEST(HostLockScreen, PausingHoldsTheElapsedTimeThroughASeek) {
  auto screen = bootLockScreen();
  screen->setPaused(true);
  EXPECT_FALSE(screen->paused()) << "nothing plays";
  screen->play(song());
  id time = screen->firstView("MRUNowPlayingTimeControlsView");
  screen->advance(10);
  screen->setPaused(true);
  screen->advance(5);
  EXPECT_EQ(elapsedText(time), "0:10");
  screen->tap(screen->centreInWindow(time));
  screen->advance(5);
  EXPECT_EQ(elapsedText(time), "1:47") << "a seek while paused stays put";
  screen->setPaused(false);
  screen->advance(2);
  EXPECT_EQ(elapsedText(time), "1:49");
  screen->play(song("Next"));
  EXPECT_FALSE(screen->paused()) << "a new track plays";
}

TEST(HostLockScreen, CompactTurnsThePhoneToLandscape) {
  auto screen = bootLockScreen();
  screen->play(song());
  screen->setSizeClass(lv::host::SizeClass::Compact);
  EXPECT_EQ(frameOf(screen->window()), CGRectMake(0, 0, 844, 390));
  id controls = screen->firstView("MRUNowPlayingControlsView");
  EXPECT_EQ(uikit::effectiveVerticalSizeClass(controls), UIUserInterfaceSizeClassCompact);
  EXPECT_EQ(frameOf(screen->firstView("CSAdjunctItemView")), CGRectMake(202, 0, 440, 206));
  EXPECT_THROW(screen->tap({195, 420}), lv::host::SessionError) << "below the window";
  id list = member(member(screen->coverSheet(), "listViewController"), "view");
  screen->drag({100, 340}, {100, 40});
  EXPECT_EQ(send<CGPoint>(list, "contentOffset"_sel).y, 12) << "as far as the 206-point platter goes";
  screen->setSizeClass(lv::host::SizeClass::Regular);
  EXPECT_EQ(frameOf(controls).size.width, 359);
  EXPECT_EQ(send<CGPoint>(list, "contentOffset"_sel).y, 0) << "the platter fits the list again";
}

TEST(HostLockScreen, ArtworkFromAFileOrMadeFromTheTitle) {
  auto screen = bootLockScreen();
  EXPECT_THROW(screen->play(song("X", lv::host::Artwork::fromFile("/no/such/art.png"))), lv::host::SessionError);
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), nil) << "nothing happened";
  screen->play(song("Generated"));
  auto* image = static_cast<UIImage*>(member(screen->firstView("MRUArtworkView"), "artworkImage"));
  ASSERT_TRUE(image && image->rgba);
  EXPECT_EQ(image->size, CGSizeMake(256, 256));
  rt::AutoreleasePool pool;
  EXPECT_EQ(*static_cast<UIImage*>(lv::host::generatedArtwork("Generated"))->rgba, *image->rgba);
  EXPECT_NE(*static_cast<UIImage*>(lv::host::generatedArtwork("Another"))->rgba, *image->rgba);
  EXPECT_EQ(image->rgba->at(3), 255) << "opaque";
}

}  // namespace
