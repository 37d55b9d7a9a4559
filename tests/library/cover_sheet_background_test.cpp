#include <gtest/gtest.h>

#include "boot_helpers.h"
#include "geometry_printers.h"
#include "host/cover_sheet_classes.h"
#include "lock_screen_helpers.h"
#include "substrate/substrate.h"

namespace {

using namespace testing_support;

std::vector<id> subviewsOf(id view) { return fnd::arrayItems(send<id>(view, "subviews"_sel)); }
id imageViewOf(id cover) { return member(cover, "lumivaneArtworkBackgroundImageView"); }
id containerOf(id cover) { return member(cover, "lumivaneArtworkBackgroundView"); }
id mediaController() { return send<id>(objc_getClass("SBMediaController"), "sharedInstance"_sel); }

TEST(CoverSheetBackground, ShownBackgroundSitsBehindTheCoverSheetsOwnViews) {
  auto screen = bootLockScreen();
  id cover = screen->coverSheet();
  EXPECT_EQ(screen->global<id>("coverSheetView"), cover);
  id imageView = imageViewOf(cover);
  id container = containerOf(cover);
  std::vector<id> subviews = subviewsOf(cover);
  ASSERT_GE(subviews.size(), 3u);
  EXPECT_EQ(subviews[0], imageView);
  EXPECT_EQ(subviews[1], container);
  EXPECT_EQ(subviews[2], static_cast<CSCoverSheetView*>(cover)->dateLabel.get()) << "the host's own views after them";
  EXPECT_TRUE(rt::isKindOfClass(imageView, objc_getClass("UIImageView")));
  EXPECT_EQ(member(imageView, "image"), nil);

  for (id view : {imageView, container}) {
    EXPECT_TRUE(hiddenOf(view));
    EXPECT_EQ(frameOf(view), CGRectMake(0, 0, 390, 844));
    EXPECT_EQ(send<NSUInteger>(view, "autoresizingMask"_sel), 18u);
    EXPECT_EQ(send<NSInteger>(view, "contentMode"_sel), 0) << "regular height: scale to fill";
  }

  std::vector<id> blur = subviewsOf(container);
  ASSERT_EQ(blur.size(), 1u);
  EXPECT_TRUE(rt::isKindOfClass(blur[0], objc_getClass("_UIBackdropView")));
  EXPECT_EQ(frameOf(blur[0]), CGRectMake(0, 0, 390, 844));
  EXPECT_TRUE(send<bool>(blur[0], "autosizesToFitSuperview"_sel));
  EXPECT_TRUE(rt::isKindOfClass(member(blur[0], "settings"), objc_getClass("_UIBackdropViewSettingsATVSemiDark")));

  screen->setSizeClass(host::SizeClass::Compact);
  EXPECT_EQ(frameOf(imageView), CGRectMake(0, 0, 844, 390)) << "resizes with the cover sheet";
  EXPECT_EQ(frameOf(blur[0]), CGRectMake(0, 0, 844, 390));
  EXPECT_EQ(send<NSInteger>(imageView, "contentMode"_sel), 0) << "decided once, at creation";
}

TEST(CoverSheetBackground, HiddenBackgroundIsBuiltButLeftOutOfTheHierarchy) {
  auto screen = bootLockScreen({.settings = {{"kEnabled", true}, {"ShowBackground", false}}});
  id cover = screen->coverSheet();
  id imageView = imageViewOf(cover);
  id container = containerOf(cover);
  ASSERT_NE(imageView, nil);
  ASSERT_NE(container, nil);
  for (id view : {imageView, container}) {
    EXPECT_TRUE(hiddenOf(view));
    EXPECT_EQ(member(view, "superview"), nil);
  }
  EXPECT_EQ(screen->firstView("UIImageView"), nil);
  EXPECT_EQ(subviewsOf(container).size(), 1u) << "the blur is there all the same";
}

TEST(CoverSheetBackground, CompactCoverSheetFillsByAspect) {
  auto screen = bootLockScreen({.sizeClass = host::SizeClass::Compact});
  id cover = screen->coverSheet();
  EXPECT_EQ(send<NSInteger>(imageViewOf(cover), "contentMode"_sel), 2);
  EXPECT_EQ(send<NSInteger>(containerOf(cover), "contentMode"_sel), 2);
  EXPECT_EQ(frameOf(imageViewOf(cover)), CGRectMake(0, 0, 844, 390));
}

TEST(CoverSheetBackground, RemovingAnyAdjunctItemViewHidesThem) {
  auto screen = bootLockScreen();
  id cover = screen->coverSheet();
  send<void>(containerOf(cover), "setHidden:"_sel, NO);
  Ref<> stray = rt::create(objc_getClass("CSAdjunctItemView"), "initWithFrame:"_sel, CGRectMake(0, 0, 10, 10));
  send<void>(stray, "removeFromSuperview"_sel);
  EXPECT_TRUE(hiddenOf(containerOf(cover))) << "even one that was in no superview";
}

TEST(CoverSheetBackground, RemovingAnAdjunctItemViewBeforeAnyCoverSheetIsHarmless) {
  auto device = bootWith({});
  Ref<> holder = rt::create(objc_getClass("UIView"), "initWithFrame:"_sel, CGRectZero);
  Ref<> adjunct = rt::create(objc_getClass("CSAdjunctItemView"), "initWithFrame:"_sel, CGRectZero);
  send<void>(holder, "addSubview:"_sel, adjunct);
  send<void>(adjunct, "removeFromSuperview"_sel);
  EXPECT_TRUE(subviewsOf(holder).empty());
}

TEST(NowPlayingRequests, LaunchClearsTheInfoAndEverySetterAsksOnce) {
  auto screen = bootLockScreen();
  EXPECT_EQ(screen->nowPlayingRequests(), 1) << "the launch's setNowPlayingInfo: nil";
  EXPECT_EQ(member(mediaController(), "nowPlayingInfo"), nil);
  screen->play(song("One"));
  EXPECT_EQ(screen->nowPlayingRequests(), 2);
  screen->play(song("Two"));
  screen->stop();
  EXPECT_EQ(screen->nowPlayingRequests(), 4);
  screen->advance(5);
  EXPECT_EQ(screen->nowPlayingRequests(), 4) << "the replies ask for nothing more";
}

TEST(MissingHostClasses, CoverSheetWithoutBlurClassesStillGetsItsViews) {
  auto screen = bootLockScreen({.without = {"_UIBackdropView", "_UIBackdropViewSettingsATVSemiDark"}});
  id cover = screen->coverSheet();
  EXPECT_EQ(subviewsOf(cover)[1], containerOf(cover));
  EXPECT_TRUE(subviewsOf(containerOf(cover)).empty());
  EXPECT_EQ(screen->nowPlayingRequests(), 1);
}

TEST(MissingHostClasses, WithoutAMediaControllerLaunchAsksNothing) {
  auto screen = bootLockScreen({.without = {"SBMediaController"}});
  EXPECT_EQ(screen->nowPlayingRequests(), 0);
  EXPECT_NE(imageViewOf(screen->coverSheet()), nil);
}

// The host's initialiser may fail; the receiver is then gone and must not be touched.
id failingInit(id, SEL, CGRect) { return nil; }
id (*g_viewInit)(id, SEL, CGRect) = nullptr;

TEST(CoverSheetBackground, FailedHostInitialisationBuildsNothing) {
  auto device = bootWith({{"kEnabled", true}});
  MSHookMessageEx(objc_getClass("UIView"), "initWithFrame:"_sel, failingInit, &g_viewInit);
  long before = rt::liveObjectCount();
  EXPECT_EQ(rt::create(objc_getClass("CSCoverSheetView"), "initWithFrame:"_sel, CGRectZero).get(), nil);
  EXPECT_EQ(rt::create(objc_getClass("CSAdjunctItemView"), "initWithFrame:"_sel, CGRectZero).get(), nil);
  EXPECT_EQ(device->library().global<id>("coverSheetView"), nil);
  EXPECT_EQ(device->library().global<id>("adjunctItemView"), nil);
  EXPECT_EQ(rt::liveObjectCount(), before);
}

}  // namespace
