// The host's lock screen on its own: the library is loaded with kEnabled off, so only its
// first group runs and nothing it does is visible.
#include <gtest/gtest.h>

#include "host/generated_artwork.h"
#include "lock_screen_helpers.h"
#include "substrate/substrate.h"
#include "uikit/image.h"
#include "uikit/view.h"

namespace {

using namespace testing_support;

TEST(HostLockScreen, BootsAWindowWithTheCoverSheetOverTheWallpaper) {
  auto screen = bootLockScreen();
  id window = screen->window();
  EXPECT_EQ(frameOf(window), CGRectMake(0, 0, 390, 844));
  EXPECT_EQ(uikit::effectiveVerticalSizeClass(window), UIUserInterfaceSizeClassRegular);
  id subviews = member(window, "subviews");
  ASSERT_EQ(send<NSUInteger>(subviews, "count"_sel), 2u);
  EXPECT_EQ(send<id>(subviews, "lastObject"_sel), screen->coverSheet());
  EXPECT_EQ(frameOf(screen->coverSheet()), CGRectMake(0, 0, 390, 844));

  id list = member(member(screen->coverSheet(), "listViewController"), "view");
  EXPECT_EQ(frameOf(list), CGRectMake(0, 162, 390, 648)) << "the host's list insets";
  EXPECT_EQ(member(screen->coverSheet(), "focusActivityView"), nil) << "the library declines it; the host copes";
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), nil) << "nothing plays";
  EXPECT_EQ(member(send<id>(objc_getClass("SBMediaController"), "sharedInstance"_sel), "nowPlayingApplication"), nil);
}

TEST(HostLockScreen, PlayingBuildsThePlatterWithTheTrack) {
  auto screen = bootLockScreen();
  screen->play(song("First Song"));
  id adjunct = screen->firstView("CSAdjunctItemView");
  ASSERT_NE(adjunct, nil);
  EXPECT_EQ(frameOf(adjunct), CGRectMake(15.5, 0, 359, 206));
  id platter = member(adjunct, "platterView");
  EXPECT_EQ(send<CGFloat>(platter, "cornerRadius"_sel), 13);
  id material = member(platter, "backgroundView");
  EXPECT_EQ(frameOf(material), CGRectMake(0, 0, 359, 206));
  EXPECT_EQ(send<id>(member(platter, "subviews"), "firstObject"_sel), material) << "behind the contents";
  EXPECT_EQ(frameOf(screen->firstView("MRUNowPlayingControlsView")), CGRectMake(0, 0, 359, 206));

  id labelView = screen->firstView("MRUNowPlayingLabelView");
  EXPECT_EQ(fnd::utf8(member(labelView, "title")), "First Song");
  EXPECT_EQ(textOf(member(labelView, "titleMarqueeView")), "First Song");
  EXPECT_EQ(textOf(member(labelView, "subtitleMarqueeView")), "Artist");
  EXPECT_EQ(textOf(member(labelView, "routeLabel")), "Speaker");
  EXPECT_FALSE(hiddenOf(member(labelView, "titleMarqueeView")));

  id artwork = screen->firstView("MRUArtworkView");
  EXPECT_EQ(frameOf(artwork), CGRectMake(16, 16, 44, 44));
  EXPECT_NE(member(artwork, "artworkImage"), nil);
  EXPECT_FALSE(hiddenOf(member(artwork, "artworkImageView")));
  EXPECT_TRUE(hiddenOf(member(artwork, "placeholderBackground")));
  EXPECT_FALSE(hiddenOf(member(screen->firstView("MRUNowPlayingControlsView"), "volumeControlsView")));

  id app = member(send<id>(objc_getClass("SBMediaController"), "sharedInstance"_sel), "nowPlayingApplication");
  EXPECT_EQ(fnd::utf8(member(app, "bundleIdentifier")), "com.example.player");
}

TEST(HostLockScreen, TimeTicksEverySecondWhilePlaying) {
  auto screen = bootLockScreen();
  screen->play(song());
  id time = screen->firstView("MRUNowPlayingTimeControlsView");
  EXPECT_EQ(textOf(member(time, "elapsedTimeLabel")), "0:00");
  EXPECT_EQ(textOf(member(time, "remainingTimeLabel")), "-3:35");
  screen->advance(2.5);
  EXPECT_EQ(textOf(member(time, "elapsedTimeLabel")), "0:02");
  EXPECT_EQ(textOf(member(time, "remainingTimeLabel")), "-3:33");
  double factor = 0;
  ASSERT_TRUE(rt::readIvar(time, "_elapsedTimeFactor", factor));
  EXPECT_DOUBLE_EQ(factor, 2.0 / 215);
  EXPECT_DOUBLE_EQ(frameOf(member(time, "elapsedTrack")).size.width, 327 * 2.0 / 215) << "bars follow";

  screen->advance(300);
  EXPECT_EQ(textOf(member(time, "elapsedTimeLabel")), "3:35") << "stops at the end";
  EXPECT_TRUE(fnd::RunLoop::main().idle()) << "no clock left running";
}

TEST(HostLockScreen, ANewTrackReplacesTheOldOneInTheSamePlatter) {
  auto screen = bootLockScreen();
  screen->play(song("One"));
  id adjunct = screen->firstView("CSAdjunctItemView");
  screen->advance(10);
  screen->play({"Two", "", "", 60, host::Artwork::none()});
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), adjunct);
  id labelView = screen->firstView("MRUNowPlayingLabelView");
  EXPECT_EQ(textOf(member(labelView, "titleMarqueeView")), "Two");
  EXPECT_EQ(member(labelView, "subtitle"), nil);
  id artwork = screen->firstView("MRUArtworkView");
  EXPECT_EQ(member(artwork, "artworkImage"), nil);
  EXPECT_TRUE(hiddenOf(member(artwork, "artworkImageView")));
  EXPECT_FALSE(hiddenOf(member(artwork, "placeholderBackground")));
  EXPECT_EQ(textOf(member(screen->firstView("MRUNowPlayingTimeControlsView"), "remainingTimeLabel")), "-1:00");
  EXPECT_EQ(member(send<id>(objc_getClass("SBMediaController"), "sharedInstance"_sel), "nowPlayingApplication"), nil)
      << "no app named";
}

int g_visibilityUpdates = 0;
void (*g_updateVisibility)(id, SEL) = nullptr;
void countingUpdateVisibility(id self, SEL cmd) {
  ++g_visibilityUpdates;
  g_updateVisibility(self, cmd);
}

TEST(HostLockScreen, EachTrackUpdatesTheArtworkVisibilityOnce) {
  auto screen = bootLockScreen();
  MSHookMessageEx(objc_getClass("MRUArtworkView"), "updateVisibility"_sel, countingUpdateVisibility, &g_updateVisibility);
  screen->play({"No Art", "", "", 60, host::Artwork::none()});
  EXPECT_EQ(g_visibilityUpdates, 1);
  screen->play({"Still None", "", "", 60, host::Artwork::none()});
  EXPECT_EQ(g_visibilityUpdates, 2) << "a track without an image too";
  screen->play(song("With Art"));
  EXPECT_EQ(g_visibilityUpdates, 3);
}

TEST(HostLockScreen, StopTakesThePlatterAway) {
  auto screen = bootLockScreen();
  screen->play(song());
  Ref<> adjunct = screen->firstView("CSAdjunctItemView");
  Ref<> time = screen->firstView("MRUNowPlayingTimeControlsView");
  Ref<> nowPlaying = screen->firstView("MRUNowPlayingView");
  screen->stop();
  EXPECT_EQ(member(adjunct, "superview"), nil);
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), nil);
  EXPECT_FALSE(send<bool>(time, "isPlaying"_sel));
  EXPECT_TRUE(fnd::RunLoop::main().idle());
  screen->play(song("Again"));
  EXPECT_NE(screen->firstView("CSAdjunctItemView"), nil);
  EXPECT_NE(screen->firstView("CSAdjunctItemView"), adjunct.get()) << "a fresh platter";
  EXPECT_EQ(screen->firstView("MRUNowPlayingView"), nowPlaying.get()) << "around the kept now-playing views";
}

TEST(HostLockScreen, DraggingTheScrubberSeeksAndPlaybackGoesOnFromThere) {
  auto screen = bootLockScreen();
  screen->play(song());
  id time = screen->firstView("MRUNowPlayingTimeControlsView");
  screen->drag("MRUNowPlayingTimeControlsView", 0.2, 0.7, 5, true);
  EXPECT_TRUE(send<bool>(time, "isTracking"_sel));
  EXPECT_DOUBLE_EQ(send<double>(time, "elapsedTimeFactor"_sel), 0.7);
  EXPECT_EQ(textOf(member(time, "elapsedTimeLabel")), "2:30");
  screen->advance(3);
  EXPECT_DOUBLE_EQ(send<double>(time, "elapsedTimeFactor"_sel), 0.7) << "the finger holds it";
  screen->release();
  EXPECT_FALSE(send<bool>(time, "isTracking"_sel));
  screen->advance(1);
  EXPECT_EQ(textOf(member(time, "elapsedTimeLabel")), "2:31");
}

TEST(HostLockScreen, PausingHoldsTheElapsedTimeThroughASeek) {
  auto screen = bootLockScreen();
  screen->setPaused(true);
  EXPECT_FALSE(screen->paused()) << "nothing plays";
  screen->play(song());
  id time = screen->firstView("MRUNowPlayingTimeControlsView");
  screen->advance(10);
  screen->setPaused(true);
  EXPECT_TRUE(screen->paused());
  screen->advance(5);
  EXPECT_EQ(textOf(member(time, "elapsedTimeLabel")), "0:10");
  screen->tap(screen->centreInWindow(time));
  screen->advance(5);
  EXPECT_EQ(textOf(member(time, "elapsedTimeLabel")), "1:47") << "a seek while paused stays put";
  screen->setPaused(false);
  screen->advance(2);
  EXPECT_EQ(textOf(member(time, "elapsedTimeLabel")), "1:49");
  screen->play(song("Next"));
  EXPECT_FALSE(screen->paused()) << "a new track plays";
}

TEST(HostLockScreen, AFingerDownMovedAndLiftedScrubs) {
  auto screen = bootLockScreen();
  screen->play(song());
  id time = screen->firstView("MRUNowPlayingTimeControlsView");
  CGRect frame = send<CGRect>(time, "frame"_sel);
  CGPoint start = screen->centreInWindow(time);
  screen->touchMove(start);
  screen->touchDown(start);
  screen->touchMove({start.x + frame.size.width * 0.25, start.y});
  EXPECT_TRUE(send<bool>(time, "isTracking"_sel));
  EXPECT_DOUBLE_EQ(send<double>(time, "elapsedTimeFactor"_sel), 0.75);
  screen->release();
  EXPECT_FALSE(send<bool>(time, "isTracking"_sel));
}

TEST(HostLockScreen, TapsOnThePlatterOpenNothingWithoutTheLibrary) {
  auto screen = bootLockScreen();
  screen->play(song());
  screen->tap("MRUArtworkView");
  screen->tap("MRUNowPlayingLabelView");
  EXPECT_TRUE(screen->launches().empty());
  EXPECT_EQ(screen->unlockRequests(), 0);
  EXPECT_EQ(screen->haptics(), 0);
  EXPECT_EQ(frameOf(screen->firstView("MRUArtworkView")), CGRectMake(16, 16, 44, 44));
  EXPECT_THROW(screen->tap("CSFocusActivityView"), host::SessionError);
  EXPECT_THROW(screen->tap("NoSuchClass"), host::SessionError);
}

TEST(HostLockScreen, CompactTurnsThePhoneToLandscape) {
  auto screen = bootLockScreen();
  screen->play(song());
  screen->setSizeClass(host::SizeClass::Compact);
  EXPECT_EQ(frameOf(screen->window()), CGRectMake(0, 0, 844, 390));
  EXPECT_EQ(frameOf(screen->coverSheet()), CGRectMake(0, 0, 844, 390));
  id controls = screen->firstView("MRUNowPlayingControlsView");
  EXPECT_EQ(uikit::effectiveVerticalSizeClass(controls), UIUserInterfaceSizeClassCompact);
  EXPECT_EQ(frameOf(controls).size.width, 440);
  EXPECT_EQ(frameOf(screen->firstView("CSAdjunctItemView")).origin.x, 202);
  EXPECT_THROW(screen->tap({195, 420}), host::SessionError) << "below the window";
  id list = member(member(screen->coverSheet(), "listViewController"), "view");
  screen->drag({100, 340}, {100, 40});
  EXPECT_EQ(send<CGPoint>(list, "contentOffset"_sel).y, 12) << "as far as the 206-point platter goes";
  screen->setSizeClass(host::SizeClass::Regular);
  EXPECT_EQ(frameOf(screen->window()), CGRectMake(0, 0, 390, 844));
  EXPECT_EQ(frameOf(controls).size.width, 359);
  EXPECT_EQ(send<CGPoint>(list, "contentOffset"_sel).y, 0) << "the platter fits the list again";
}

TEST(HostLockScreen, SmallPhonePlatter) {
  auto screen = bootLockScreen({.profile = "small-phone"});
  EXPECT_EQ(frameOf(screen->window()), CGRectMake(0, 0, 375, 667));
  screen->play(song());
  EXPECT_EQ(frameOf(screen->firstView("MRUNowPlayingControlsView")).size.width, 344);
}

TEST(HostLockScreen, TabletPlatterKeepsItsMaximumWidth) {
  auto screen = bootLockScreen({.profile = "tablet"});
  EXPECT_EQ(frameOf(screen->window()), CGRectMake(0, 0, 810, 1080));
  screen->play(song());
  EXPECT_EQ(frameOf(screen->firstView("CSAdjunctItemView")), CGRectMake(185, 0, 440, 206));
}

TEST(HostLockScreen, ArtworkFromAFileOrMadeFromTheTitle) {
  auto screen = bootLockScreen();
  EXPECT_THROW(screen->play(song("X", host::Artwork::fromFile("/no/such/art.png"))), host::SessionError);
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), nil) << "nothing happened";

  screen->play(song("Generated"));
  auto* image = static_cast<UIImage*>(member(screen->firstView("MRUArtworkView"), "artworkImage"));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->size, CGSizeMake(256, 256));
  ASSERT_TRUE(image->rgba);
  rt::AutoreleasePool pool;
  auto* same = static_cast<UIImage*>(host::generatedArtwork("Generated"));
  auto* other = static_cast<UIImage*>(host::generatedArtwork("Another"));
  EXPECT_EQ(*same->rgba, *image->rgba);
  EXPECT_NE(*other->rgba, *image->rgba);
  EXPECT_EQ(image->rgba->at(3), 255) << "opaque";
}

TEST(HostLockScreen, ArtworkFromAPngFile) {
  const char* source = std::getenv("LV_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  auto screen = bootLockScreen();
  std::filesystem::path png = std::filesystem::path(source) / "scenarios" / "artwork.png";
  screen->play(song("File", host::Artwork::fromFile(png)));
  auto* image = static_cast<UIImage*>(member(screen->firstView("MRUArtworkView"), "artworkImage"));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->size, CGSizeMake(64, 64));
}

TEST(HostLockScreen, CopesWithoutItsPlatterClasses) {
  auto screen = bootLockScreen({.without = {"CSMediaControlsViewController", "PLPlatterView", "MRUArtworkView"}});
  screen->play(song());
  screen->advance(2);
  id adjunct = screen->firstView("CSAdjunctItemView");
  ASSERT_NE(adjunct, nil);
  EXPECT_EQ(frameOf(adjunct), CGRectMake(15.5, 0, 359, 206));
  screen->stop();
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), nil);
}

TEST(HostLockScreen, WithoutAMediaControllerNothingPlays) {
  auto screen = bootLockScreen({.without = {"SBMediaController", "SpringBoard", "SBLockScreenManager"}});
  screen->play(song());
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), nil);
  EXPECT_EQ(screen->unlockRequests(), 0);
}

}  // namespace
