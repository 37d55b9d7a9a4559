#include <gtest/gtest.h>

#include "host/host_geometry.h"
#include "host/platter_classes.h"
#include "support/geometry_printers.h"
#include "time_controls_support.h"
#include "uikit/device.h"

namespace {

using namespace testing_support;

CGFloat cornerRadiusOf(id view) { return send<CGFloat>(view, "cornerRadius"_sel); }

// From version 15 (phone, tablet) the platter is rounded anew; the small phone runs 14.8
// and is a small device, whose scrubber bars grow by 2 rather than 3.
struct PlatterCase {
  const char *name, *profile;
  double x, width, radius, artworkX, extraBarHeight;
};
struct Platter : testing::TestWithParam<PlatterCase> {};

TEST_P(Platter, TallerWithItsViewsMoved) {
  auto [name, profile, x, width, radius, artworkX, extraBarHeight] = GetParam();
  PlayingPlatter p = playingPlatter(profile);
  id adjunct = p.screen->firstView("CSAdjunctItemView");
  ASSERT_NE(adjunct, nil);
  EXPECT_EQ(frameOf(adjunct), CGRectMake(x, 0, width, 498));
  id controls = p.screen->firstView("MRUNowPlayingControlsView");
  EXPECT_EQ(frameOf(controls), CGRectMake(0, 0, width, 498));
  id volume = member(controls, "volumeControlsView");
  EXPECT_TRUE(hiddenOf(volume));
  EXPECT_EQ(frameOf(p.screen->firstView("MRUMediaSuggestionsView")), CGRectMake(16, 320, width - 32, 56));
  EXPECT_EQ(member(p.screen->firstView("MRUNowPlayingLabelView"), "placeholderText"), nil) << "cleared by their framing";
  id platter = member(adjunct, "platterView");
  EXPECT_EQ(cornerRadiusOf(platter), radius);
  EXPECT_EQ(cornerRadiusOf(member(member(platter, "backgroundView"), "layer")), radius) << "rounded with it";
  EXPECT_EQ(frameOf(member(platter, "backgroundView")), CGRectMake(0, 308, width, 190));
  id artwork = p.screen->firstView("MRUArtworkView");
  setFrame(artwork, CGRectMake(1, 2, 3, 4));
  EXPECT_EQ(frameOf(artwork), CGRectMake(artworkX, 310, 70, 70)) << "the first small square";
  EXPECT_EQ(frameOf(elapsedTrack(p.controls)).size.height, kHostBarHeight + extraBarHeight);

  send<void>(volume, "setHidden:"_sel, false);
  send<void>(controls, "setLayout:"_sel, NSInteger(3));
  send<void>(controls, "setNeedsLayout"_sel);
  EXPECT_FALSE(hiddenOf(volume)) << "hidden at each layout request in the platter's layout only";
  EXPECT_TRUE(static_cast<UIView*>(controls)->needsLayout) << "the host's request went through";
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, Platter,
    testing::Values(PlatterCase{"Phone", "phone", 15.5, 359, 23.5, 16.5, 3},
                    PlatterCase{"SmallPhone", "small-phone", 15.5, 344, lv::host::geometry::kPlatterCornerRadius, 4, 2},
                    PlatterCase{"Tablet", "tablet", 185, 440, 23.5, 100, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// Set up once, for the first view in the platter's layout to reach a window.
TEST(NowPlayingView, TapTriggersPlayOncePerProcess) {
  auto screen = bootEnabled({.freshNowPlayingTreePerPlay = true});
  Ref<> elsewhere = makeView("MRUNowPlayingView");
  send<void>(elsewhere, "setLayout:"_sel, NSInteger(1));
  send<void>(screen->window(), "addSubview:"_sel, elsewhere);
  send<void>(elsewhere, "addGestures"_sel);
  EXPECT_EQ(member(elsewhere.get(), "gestureRecognizers"), nil);
  EXPECT_FALSE(screen->global<bool>("NfirstTimeLoaded"));
  send<void>(elsewhere, "removeFromSuperview"_sel);

  screen->play(song());
  Ref<> nowPlaying = Ref<>::retain(screen->firstView("MRUNowPlayingView"));
  EXPECT_TRUE(screen->global<bool>("NfirstTimeLoaded"));
  ASSERT_EQ(fnd::arrayItems(member(nowPlaying.get(), "gestureRecognizers")).size(), 1u);

  struct PlayActions : rt::MessageObserver {
    int count = 0;
    bool traces(IMP) override { return true; }
    void observe(const rt::TraceEvent& e) override {
      count += e.kind == rt::TraceKind::Action && e.receiverClass == objc_getClass("MRUNowPlayingView") && e.selector == "play"_sel;
    }
  } plays;
  rt::setMessageObserver(&plays);
  // Below the transport controls, where nothing of the platter's own takes touches.
  screen->tap(send<CGPoint>(nowPlaying, "convertPoint:toView:"_sel, CGPointMake(8, 200), screen->window()));
  rt::setMessageObserver(nullptr);
  EXPECT_EQ(plays.count, 1);

  screen->stop();
  screen->play(song("Next"));
  ASSERT_NE(screen->firstView("MRUNowPlayingView"), nowPlaying.get()) << "held, so no address is reused";
  EXPECT_EQ(member(screen->firstView("MRUNowPlayingView"), "gestureRecognizers"), nil);
}

constexpr double kHostTop = lv::host::geometry::kListViewInsets.top;

// The list is pulled up only in a compact height over a background that shows.
TEST(ListInsets, PulledUpOverAVisibleBackgroundInACompactHeight) {
  auto screen = bootEnabled();
  id cover = screen->coverSheet();
  id list = member(member(cover, "listViewController"), "view");
  for (auto [compact, shown, top] :
       {std::tuple{false, true, kHostTop}, {true, true, kHostTop - 350}, {true, false, kHostTop}}) {
    screen->setSizeClass(compact ? lv::host::SizeClass::Compact : lv::host::SizeClass::Regular);
    send<void>(member(cover, "lumivaneArtworkBackgroundImageView"), "setHidden:"_sel, !shown);
    send<void>(cover, "setNeedsLayout"_sel);
    screen->advance(0);
    EXPECT_EQ(frameOf(list).origin.y, top) << compact << shown;
    if (compact) {
      EXPECT_EQ(CGRectGetMaxY(frameOf(list)), 390 - lv::host::geometry::kListViewInsets.bottom);
    }
  }
}

TEST(ListInsets, TheHostsWhileDisabled) {
  auto screen = bootLockScreen({.sizeClass = lv::host::SizeClass::Compact});
  id cover = screen->coverSheet();
  send<void>(member(cover, "lumivaneArtworkBackgroundImageView"), "setHidden:"_sel, false);
  EXPECT_EQ(send<UIEdgeInsets>(member(cover, "listViewController"), "_listViewDefaultContentInsets"_sel).top, kHostTop);
}

TEST(MissingHostClasses, PlatterWithoutSomeOfItsClassesStillTakesItsGeometry) {
  auto screen = bootEnabled({.without = {"CSFocusActivityView", "MRUMediaSuggestionsView", "MTMaterialView"}});
  screen->play(song());
  EXPECT_EQ(frameOf(screen->firstView("CSAdjunctItemView")).size.height, 498);
  EXPECT_EQ(frameOf(screen->firstView("MRUNowPlayingRoutingButton")).origin.y, 420);
}

// From version 15 the suggested height is the preferred one last asked; the version is
// read at each call.
TEST(MediaControlsHeight, FollowsTheSystemVersion) {
  auto device = bootDevice({.systemVersion = "14.8.1", .settings = {{"kEnabled", true}}});
  Ref<> controller = rt::create("CSMediaControlsViewController");
  static_cast<CSMediaControlsViewController*>(controller.get())->containerWidth = 344;
  auto suggested = [&] { return send<CGRect>(controller, "_suggestedFrameForMediaControls"_sel); };
  EXPECT_EQ(suggested(), CGRectMake(0, 0, 344, 498));
  uikit::setDevice("15", UIUserInterfaceIdiomPhone);
  EXPECT_EQ(suggested().size.height, 0.0) << "never asked for the preferred height";
  EXPECT_EQ(send<double>(controller, "_preferredMediaRemoteHeight"_sel), 498.0);
  EXPECT_EQ(suggested(), CGRectMake(0, 0, 344, 498));
  uikit::setDevice("14.99", UIUserInterfaceIdiomPhone);
  EXPECT_EQ(suggested().size.height, 498.0);
}

// A material is trimmed only at exactly the controls' height; the routing button moves
// down in the platter's context only; suggestions outside the platter's layout keep the
// frame they were made with (in it) and leave the host label view's placeholder.
TEST(HandMadeFrames, TakeThePlattersGeometryOnlyWhereItApplies) {
  auto device = bootDevice();
  Ref<> label = makeView("MRUNowPlayingLabelView", CGRectMake(72, 14, 229, 48));
  const struct {
    const char *cls, *setter;
    NSInteger value;
    CGRect asked, taken;
  } cases[] = {
      {"MTMaterialView", nullptr, 0, CGRectMake(0, 0, 300, 498), CGRectMake(0, 308, 300, 190)},
      {"MTMaterialView", nullptr, 0, CGRectMake(12, 40, 350, 498), CGRectMake(12, 308, 350, 190)},
      {"MTMaterialView", nullptr, 0, CGRectMake(0, 0, 300, 497.5), CGRectMake(0, 0, 300, 497.5)},
      {"MRUNowPlayingRoutingButton", nullptr, 0, CGRectMake(10, 50, 40, 40), CGRectMake(10, 420, 40, 40)},
      {"MRUNowPlayingRoutingButton", "setContext:", 1, CGRectMake(10, 50, 40, 40), CGRectMake(10, 50, 40, 40)},
      {"MRUMediaSuggestionsView", "setLayout:", 2, CGRectMake(0, 0, 300, 150), CGRectMake(0, 320, 0, 0)},
  };
  for (const auto& c : cases) {
    Ref<> view = makeView(c.cls);
    if (c.setter) send<void>(view, sel_registerName(c.setter), c.value);
    send<void>(label, "setPlaceholderText:"_sel, fnd::string("Not Playing"));
    setFrame(view.get(), c.asked);
    EXPECT_EQ(frameOf(view.get()), c.taken) << c.cls << " " << c.value;
  }
  EXPECT_EQ(fnd::utf8(member(label.get(), "placeholderText")), "Not Playing");
}

// The replacements that ask a captured view: with no cover sheet there is no image view to
// ask, which counts as showing; the corners go to the captured platter, whichever is
// configured.
TEST(CapturedViews, ListInsetsAndPlatterCornersAskTheLastCaptured) {
  auto device = bootDevice();
  Ref<> list = rt::create("CSCombinedListViewController");
  uikit::setVerticalSizeClass(member(list.get(), "view"), UIUserInterfaceSizeClassCompact);
  EXPECT_EQ(send<UIEdgeInsets>(list, "_listViewDefaultContentInsets"_sel).top, kHostTop - 350) << "pulled up";

  Ref<> other = makeView("PLPlatterView");
  Ref<> material = makeView("MTMaterialView");
  send<void>(other, "_configureBackgroundView:"_sel, material);
  EXPECT_NE(member(material.get(), "backgroundColor"), nil) << "harmless before any adjunct item view";

  Ref<> first = makeView("CSAdjunctItemView", CGRectMake(0, 0, 359, 498));
  Ref<> adjunct = makeView("CSAdjunctItemView", CGRectMake(0, 0, 359, 498));
  EXPECT_EQ(device->library().global<id>("adjunctItemView"), adjunct.get()) << "the last one initialised";
  EXPECT_EQ(rt::retainCount(first.get()), 1u) << "the earlier one is released";
  send<void>(other, "_configureBackgroundView:"_sel, material);
  EXPECT_EQ(cornerRadiusOf(member(adjunct.get(), "platterView")), 23.5);
  EXPECT_EQ(cornerRadiusOf(other.get()), lv::host::geometry::kPlatterCornerRadius);
}

}  // namespace
