#include <gtest/gtest.h>

#include "host/cover_sheet_classes.h"
#include "substrate/substrate.h"
#include "support/geometry_printers.h"
#include "support/lock_screen_helpers.h"

namespace {

using namespace testing_support;
using lv::host::SizeClass;

std::vector<Ref<>> subviewsOf(id view) { return fnd::arrayItems(send<id>(view, "subviews"_sel)); }
id imageViewOf(id cover) { return member(cover, "lumivaneArtworkBackgroundImageView"); }
id containerOf(id cover) { return member(cover, "lumivaneArtworkBackgroundView"); }

// Scaled to fill in a regular height, filled by aspect in a compact one, decided once.
struct BackgroundCase {
  const char* name;
  SizeClass sizeClass, turnedTo;
  NSInteger contentMode;
};
struct CoverSheetBackground : testing::TestWithParam<BackgroundCase> {};

TEST_P(CoverSheetBackground, ShownBehindTheCoverSheetsOwnViewsAndResizingWithIt) {
  auto screen = bootLockScreen({.sizeClass = GetParam().sizeClass});
  id cover = screen->coverSheet();
  id imageView = imageViewOf(cover);
  id container = containerOf(cover);
  std::vector<Ref<>> subviews = subviewsOf(cover);
  ASSERT_GE(subviews.size(), 3u);
  EXPECT_EQ(subviews[0], imageView);
  EXPECT_EQ(subviews[1], container);
  EXPECT_EQ(subviews[2], static_cast<CSCoverSheetView*>(cover)->dateLabel.get()) << "the host's own views after them";
  std::vector<Ref<>> blur = subviewsOf(container);
  ASSERT_EQ(blur.size(), 1u);
  EXPECT_TRUE(rt::isKindOfClass(member(blur[0].get(), "settings"), objc_getClass("_UIBackdropViewSettingsATVSemiDark")));

  for (SizeClass sizeClass : {GetParam().sizeClass, GetParam().turnedTo}) {
    screen->setSizeClass(sizeClass);
    CGRect bounds = send<CGRect>(cover, "bounds"_sel);
    for (id view : {imageView, container, blur[0].get()}) EXPECT_EQ(frameOf(view), bounds);
    for (id view : {imageView, container}) {
      EXPECT_TRUE(hiddenOf(view));
      EXPECT_EQ(send<NSInteger>(view, "contentMode"_sel), GetParam().contentMode);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(SizeClasses, CoverSheetBackground,
                         testing::Values(BackgroundCase{"Regular", SizeClass::Regular, SizeClass::Compact, 0},
                                         BackgroundCase{"Compact", SizeClass::Compact, SizeClass::Regular, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CoverSheetBackground, HiddenBackgroundIsBuiltButLeftOutOfTheHierarchy) {
  auto screen = bootEnabled({.settings = {{"ShowBackground", false}}});
  for (id view : {imageViewOf(screen->coverSheet()), containerOf(screen->coverSheet())}) {
    ASSERT_NE(view, nil);
    EXPECT_TRUE(hiddenOf(view));
    EXPECT_EQ(member(view, "superview"), nil);
  }
  EXPECT_EQ(subviewsOf(containerOf(screen->coverSheet())).size(), 1u) << "the blur is there all the same";
}

TEST(CoverSheetBackground, RemovingAnyAdjunctItemViewHidesThem) {
  auto screen = bootLockScreen();
  id cover = screen->coverSheet();
  send<void>(containerOf(cover), "setHidden:"_sel, NO);
  Ref<> stray = makeView("CSAdjunctItemView", CGRectMake(0, 0, 10, 10));
  send<void>(stray, "removeFromSuperview"_sel);
  EXPECT_TRUE(hiddenOf(containerOf(cover))) << "even one that was in no superview";
}

TEST(NowPlayingRequests, LaunchClearsTheInfoAndEverySetterAsksOnce) {
  auto screen = bootLockScreen();
  EXPECT_EQ(screen->nowPlayingRequests(), 1) << "the launch's setNowPlayingInfo: nil";
  EXPECT_EQ(member(send<id>(objc_getClass("SBMediaController"), "sharedInstance"_sel), "nowPlayingInfo"), nil);
  screen->play(song("One"));
  EXPECT_EQ(screen->nowPlayingRequests(), 2);
  screen->play(song("Two"));
  screen->stop();
  EXPECT_EQ(screen->nowPlayingRequests(), 4);
  screen->advance(5);
  EXPECT_EQ(screen->nowPlayingRequests(), 4) << "the replies ask for nothing more";
}

// Without the blur classes the cover sheet still gets its views; without a media
// controller the launch asks nothing.
TEST(MissingHostClasses, CoverSheetWithoutBlurOrMediaControllerStillGetsItsViews) {
  auto screen =
      bootLockScreen({.without = {"_UIBackdropView", "_UIBackdropViewSettingsATVSemiDark", "SBMediaController"}});
  id cover = screen->coverSheet();
  EXPECT_EQ(subviewsOf(cover)[1], containerOf(cover));
  EXPECT_TRUE(subviewsOf(containerOf(cover)).empty());
  EXPECT_EQ(screen->nowPlayingRequests(), 0);
}

// The host's initialiser may fail; the receiver is then gone and must not be touched.
id failingInit(id, SEL, CGRect) { return nil; }
id (*g_viewInit)(id, SEL, CGRect) = nullptr;

TEST(CoverSheetBackground, FailedHostInitialisationBuildsNothingAndNoCoverSheetIsHarmless) {
  auto device = bootDevice();
  Ref<> holder = makeView("UIView");
  Ref<> adjunct = makeView("CSAdjunctItemView");
  send<void>(holder, "addSubview:"_sel, adjunct);
  long before = rt::liveObjectCount();
  EXPECT_EQ(makeView("CSFocusActivityView").get(), nil) << "never comes into being";
  MSHookMessageEx(objc_getClass("UIView"), "initWithFrame:"_sel, failingInit, &g_viewInit);
  EXPECT_EQ(makeView("CSCoverSheetView").get(), nil);
  EXPECT_EQ(makeView("CSAdjunctItemView").get(), nil);
  EXPECT_EQ(device->library().global<id>("coverSheetView"), nil);
  EXPECT_EQ(device->library().global<id>("adjunctItemView"), adjunct.get()) << "the last one made";
  EXPECT_EQ(rt::liveObjectCount(), before);
  send<void>(adjunct, "removeFromSuperview"_sel);
  EXPECT_TRUE(subviewsOf(holder.get()).empty());
}

}  // namespace
