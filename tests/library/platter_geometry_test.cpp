#include <gtest/gtest.h>

#include "boot_helpers.h"
#include "geometry_printers.h"
#include "host/cover_sheet_classes.h"
#include "host/host_geometry.h"
#include "host/platter_classes.h"
#include "lock_screen_helpers.h"
#include "uikit/device.h"

namespace {

using namespace testing_support;

LockScreenSetup enabledOn(std::string profile = "phone") {
  return {.settings = {{"kEnabled", true}}, .profile = std::move(profile)};
}

CGFloat cornerRadiusOf(id view) { return send<CGFloat>(view, "cornerRadius"_sel); }
CGFloat layerCornerRadius(id view) { return send<CGFloat>(member(view, "layer"), "cornerRadius"_sel); }

TEST(Platter, TallerWithItsViewsMovedOnAPhone) {
  auto screen = bootLockScreen(enabledOn());
  screen->play(song());
  id adjunct = screen->firstView("CSAdjunctItemView");
  ASSERT_NE(adjunct, nil);
  EXPECT_EQ(screen->global<id>("adjunctItemView"), adjunct);
  EXPECT_EQ(frameOf(adjunct), CGRectMake(15.5, 0, 359, 498));
  EXPECT_EQ(frameOf(screen->firstView("MRUNowPlayingControlsView")), CGRectMake(0, 0, 359, 498));

  id platter = member(adjunct, "platterView");
  EXPECT_EQ(cornerRadiusOf(platter), 23.5);
  EXPECT_EQ(layerCornerRadius(member(platter, "backgroundView")), 23.5) << "the host rounded its material with it";
  EXPECT_EQ(frameOf(member(platter, "backgroundView")), CGRectMake(0, 308, 359, 190));
  EXPECT_EQ(frameOf(screen->firstView("MRUMediaSuggestionsView")), CGRectMake(16, 320, 327, 56));
  EXPECT_TRUE(hiddenOf(member(screen->firstView("MRUNowPlayingControlsView"), "volumeControlsView")));
}

TEST(Platter, FixedHeightWithoutRoundingBelowVersion15) {
  auto screen = bootLockScreen(enabledOn("small-phone"));
  screen->play(song());
  id adjunct = screen->firstView("CSAdjunctItemView");
  EXPECT_EQ(frameOf(adjunct), CGRectMake(15.5, 0, 344, 498));
  id platter = member(adjunct, "platterView");
  EXPECT_EQ(cornerRadiusOf(platter), host::geometry::kPlatterCornerRadius);
  EXPECT_EQ(frameOf(member(platter, "backgroundView")), CGRectMake(0, 308, 344, 190));
}

TEST(Platter, HostsOwnWhenDisabled) {
  auto screen = bootLockScreen();
  screen->play(song());
  id adjunct = screen->firstView("CSAdjunctItemView");
  EXPECT_EQ(frameOf(adjunct).size.height, host::geometry::kPreferredMediaRemoteHeight);
  EXPECT_EQ(cornerRadiusOf(member(adjunct, "platterView")), host::geometry::kPlatterCornerRadius);
  EXPECT_FALSE(hiddenOf(member(screen->firstView("MRUNowPlayingControlsView"), "volumeControlsView")));
  EXPECT_EQ(send<NSInteger>(member(screen->coverSheet(), "legibilitySettings"), "style"_sel),
            host::geometry::kLegibilityStyle);
}

TEST(Platter, NowPlayingViewTapTriggersPlay) {
  LockScreenSetup setup = enabledOn();
  setup.freshNowPlayingTreePerPlay = true;
  auto screen = bootLockScreen(setup);
  screen->play(song());
  id nowPlaying = screen->firstView("MRUNowPlayingView");
  EXPECT_TRUE(screen->global<bool>("NfirstTimeLoaded"));
  std::vector<id> taps = fnd::arrayItems(member(nowPlaying, "gestureRecognizers"));
  ASSERT_EQ(taps.size(), 1u);

  static int plays = 0;
  rt::setMessageTrace(+[](Class cls, SEL sel) {
    if (cls == objc_getClass("MRUNowPlayingView") && sel == "play"_sel) ++plays;
  });
  // Below the transport controls, where nothing of the platter's own takes touches.
  CGPoint empty = send<CGPoint>(nowPlaying, "convertPoint:toView:"_sel, CGPointMake(8, 200), screen->window());
  screen->tap(empty);
  rt::setMessageTrace(nullptr);
  EXPECT_EQ(plays, 1);

  screen->stop();
  screen->play(song("Next"));
  id next = screen->firstView("MRUNowPlayingView");
  ASSERT_NE(next, nowPlaying);
  EXPECT_EQ(member(next, "gestureRecognizers"), nil) << "once per process";
}

double listTop(const host::LockScreen& screen) {
  return frameOf(member(member(screen.coverSheet(), "listViewController"), "view")).origin.y;
}

void showBackground(host::LockScreen& screen, bool shown) {
  send<void>(member(screen.coverSheet(), "lumivaneArtworkBackgroundImageView"), "setHidden:"_sel, !shown);
  send<void>(screen.coverSheet(), "setNeedsLayout"_sel);
  screen.advance(0);
}

constexpr double kHostTop = host::geometry::kListViewInsets.top;

TEST(ListInsets, PulledUpOverAVisibleBackgroundInACompactHeight) {
  auto screen = bootLockScreen(enabledOn());
  showBackground(*screen, true);
  EXPECT_EQ(listTop(*screen), kHostTop) << "regular height";
  screen->setSizeClass(host::SizeClass::Compact);
  EXPECT_EQ(listTop(*screen), kHostTop - 350);
  EXPECT_EQ(frameOf(member(member(screen->coverSheet(), "listViewController"), "view")).size.height,
            390 - (kHostTop - 350) - host::geometry::kListViewInsets.bottom)
      << "only the top changes";
  showBackground(*screen, false);
  EXPECT_EQ(listTop(*screen), kHostTop);
}

TEST(ListInsets, HostsOwnWhenDisabled) {
  auto screen = bootLockScreen({.sizeClass = host::SizeClass::Compact});
  showBackground(*screen, true);
  EXPECT_EQ(listTop(*screen), kHostTop);
}

TEST(ListInsets, PulledUpBeforeAnyCoverSheetIsCaptured) {
  auto device = bootWith({{"kEnabled", true}});
  Ref<> list = rt::create("CSCombinedListViewController");
  uikit::setVerticalSizeClass(member(list, "view"), UIUserInterfaceSizeClassCompact);
  EXPECT_EQ(send<UIEdgeInsets>(list, "_listViewDefaultContentInsets"_sel).top, kHostTop - 350)
      << "no image view to ask counts as showing";
}

TEST(MissingHostClasses, PlatterWithoutSomeOfItsClassesStillTakesItsGeometry) {
  auto screen = bootLockScreen({.settings = {{"kEnabled", true}},
                                .without = {"CSFocusActivityView", "MRUMediaSuggestionsView", "MTMaterialView"}});
  screen->play(song());
  EXPECT_EQ(frameOf(screen->firstView("CSAdjunctItemView")).size.height, 498);
  EXPECT_EQ(frameOf(screen->firstView("MRUNowPlayingRoutingButton")).origin.y, 420);
}

// Exact frames in, exact frames out, on host views made by hand.

Ref<> makeView(const char* cls, CGRect frame = {}) {
  return rt::create(objc_getClass(cls), "initWithFrame:"_sel, frame);
}

void setFrame(id view, CGRect frame) { send<void>(view, "setFrame:"_sel, frame); }

std::unique_ptr<host::Device> bootSystem(const char* version) {
  host::BootOptions options;
  options.settings = {{"kEnabled", true}};
  options.systemVersion = version;
  return host::Device::boot(options);
}

CGRect suggestedFrame(id controller) { return send<CGRect>(controller, "_suggestedFrameForMediaControls"_sel); }

// The host suggests the width the list offers and the preferred height it last asked.
Ref<> makeMediaControlsController(CGFloat width) {
  Ref<> controller = rt::create("CSMediaControlsViewController");
  static_cast<CSMediaControlsViewController*>(controller.get())->containerWidth = width;
  return controller;
}

TEST(MediaControlsHeight, FromVersion15TheSuggestedHeightIsThePreferredOne) {
  auto device = bootSystem("15.0");
  Ref<> controller = makeMediaControlsController(359);
  EXPECT_EQ(suggestedFrame(controller), CGRectMake(0, 0, 359, 0)) << "never asked for the preferred height";
  EXPECT_EQ(send<double>(controller, "_preferredMediaRemoteHeight"_sel), 498.0);
  EXPECT_EQ(suggestedFrame(controller), CGRectMake(0, 0, 359, 498));
}

TEST(MediaControlsHeight, FixedBelowVersion15AndVersionReadAtEachCall) {
  auto device = bootSystem("14.8.1");
  Ref<> controller = makeMediaControlsController(344);
  EXPECT_EQ(suggestedFrame(controller), CGRectMake(0, 0, 344, 498));
  uikit::setDevice("15", UIUserInterfaceIdiomPhone);
  EXPECT_EQ(suggestedFrame(controller).size.height, 0.0);
  uikit::setDevice("14.99", UIUserInterfaceIdiomPhone);
  EXPECT_EQ(suggestedFrame(controller).size.height, 498.0);
}

// A material is trimmed only at exactly the controls' height; the routing button moves
// down in the platter's context only.
TEST(HandMadeFrames, TakeThePlattersGeometryOnlyWhereItApplies) {
  auto device = bootWith({{"kEnabled", true}});
  const struct {
    const char* cls;
    NSInteger context;
    CGRect asked, taken;
  } cases[] = {
      {"MTMaterialView", 0, CGRectMake(0, 0, 300, 498), CGRectMake(0, 308, 300, 190)},
      {"MTMaterialView", 0, CGRectMake(12, 40, 350, 498), CGRectMake(12, 308, 350, 190)},
      {"MTMaterialView", 0, CGRectMake(0, 0, 300, 497.5), CGRectMake(0, 0, 300, 497.5)},
      {"MRUNowPlayingRoutingButton", 0, CGRectMake(10, 50, 40, 40), CGRectMake(10, 420, 40, 40)},
      {"MRUNowPlayingRoutingButton", 1, CGRectMake(10, 50, 40, 40), CGRectMake(10, 50, 40, 40)},
  };
  for (const auto& c : cases) {
    Ref<> view = makeView(c.cls);
    if (c.context) send<void>(view, "setContext:"_sel, c.context);
    setFrame(view, c.asked);
    EXPECT_EQ(frameOf(view), c.taken) << c.cls << " in context " << c.context;
  }
}

TEST(Suggestions, PlacedInThePlattersLayoutAfterClearingThePlaceholderAndLeftAloneInOthers) {
  auto device = bootWith({{"kEnabled", true}});
  Ref<> label = makeView("MRUNowPlayingLabelView", CGRectMake(72, 14, 229, 48));
  ASSERT_EQ(device->library().global<id>("mruLabel"), label.get());
  Ref<> elsewhere = makeView("MRUMediaSuggestionsView");
  send<void>(elsewhere, "setLayout:"_sel, NSInteger(2));
  send<void>(label, "setPlaceholderText:"_sel, fnd::string("Not Playing"));
  CGRect before = frameOf(elsewhere);
  setFrame(elsewhere, CGRectMake(0, 0, 300, 150));
  EXPECT_EQ(frameOf(elsewhere), before) << "the host never framed it";
  EXPECT_EQ(fnd::utf8(member(label, "placeholderText")), "Not Playing");

  Ref<> suggestions = makeView("MRUMediaSuggestionsView");
  setFrame(suggestions, CGRectMake(0, 0, 300, 150));
  EXPECT_EQ(frameOf(suggestions), CGRectMake(0, 320, 300, 150));
  EXPECT_EQ(member(label, "placeholderText"), nil);
}

TEST(VolumeControls, HiddenAtEachLayoutRequestInThePlattersLayoutOnly) {
  auto device = bootWith({{"kEnabled", true}});
  Ref<> controls = makeView("MRUNowPlayingControlsView");
  Ref<> volume = makeView("UIView");
  send<void>(controls, "setVolumeControlsView:"_sel, volume);
  send<void>(controls, "setLayout:"_sel, NSInteger(3));
  send<void>(controls, "setNeedsLayout"_sel);
  EXPECT_FALSE(hiddenOf(volume));
  send<void>(controls, "setLayout:"_sel, NSInteger(4));
  send<void>(controls, "setNeedsLayout"_sel);
  EXPECT_TRUE(hiddenOf(volume));
  EXPECT_TRUE(static_cast<UIView*>(controls.get())->needsLayout) << "the host's request went through";
}

TEST(PlatterCorners, GoToTheCapturedPlatterWhicheverIsConfigured) {
  auto device = bootSystem("15.0");
  Ref<> first = makeView("CSAdjunctItemView", CGRectMake(0, 0, 359, 498));
  Ref<> adjunct = makeView("CSAdjunctItemView", CGRectMake(0, 0, 359, 498));
  EXPECT_EQ(device->library().global<id>("adjunctItemView"), adjunct.get()) << "the last one initialised";
  EXPECT_EQ(first->refcount, 1u) << "the earlier one is released";

  Ref<> other = makeView("PLPlatterView");
  Ref<> material = makeView("MTMaterialView");
  send<void>(other, "_configureBackgroundView:"_sel, material);
  EXPECT_EQ(cornerRadiusOf(member(adjunct, "platterView")), 23.5);
  EXPECT_EQ(cornerRadiusOf(other), host::geometry::kPlatterCornerRadius);
  EXPECT_NE(member(material, "backgroundColor"), nil) << "the host configured it";
}

TEST(PlatterCorners, ConfiguringBeforeAnyAdjunctItemViewIsHarmless) {
  auto device = bootSystem("15.0");
  Ref<> platter = makeView("PLPlatterView");
  Ref<> material = makeView("MTMaterialView");
  send<void>(platter, "_configureBackgroundView:"_sel, material);
  EXPECT_NE(member(material, "backgroundColor"), nil);
}

TEST(NowPlayingView, AddGesturesDoesNothingOutsideThePlattersLayout) {
  auto device = bootWith({{"kEnabled", true}});
  Ref<> window = makeView("UIWindow", CGRectMake(0, 0, 390, 844));
  Ref<> elsewhere = makeView("MRUNowPlayingView");
  send<void>(elsewhere, "setLayout:"_sel, NSInteger(1));
  send<void>(window, "addSubview:"_sel, elsewhere);
  EXPECT_EQ(member(elsewhere, "gestureRecognizers"), nil);
  EXPECT_FALSE(device->library().global<bool>("NfirstTimeLoaded")) << "left for a view in the platter's layout";
  send<void>(elsewhere, "addGestures"_sel);
  EXPECT_EQ(member(elsewhere, "gestureRecognizers"), nil);
}

}  // namespace
