// The artwork view on the lock screen: its two squares, the tap between them and what
// goes with it.
#include <gtest/gtest.h>

#include "host/artwork_view.h"
#include "support/lock_screen_helpers.h"
#include "uikit/gesture_recognizer.h"
#include "uikit/view.h"
#include "uikit/view_animation.h"

namespace {

using namespace testing_support;
using lv::host::SizeClass;

// A lock screen playing a track, with its platter's artwork view.
struct Platter {
  explicit Platter(Setup setup = {}, lv::host::Track track = song()) : screen(bootEnabled(std::move(setup))) {
    screen->play(track);
    artwork = screen->firstView("MRUArtworkView");
  }

  void tap() const { screen->tap("MRUArtworkView"); }
  bool expanded() const { return screen->global<bool>("Expanded"); }
  double controlsWidth() const { return frameOf(screen->firstView("MRUNowPlayingControlsView")).size.width; }
  MRUArtworkView* host() const { return static_cast<MRUArtworkView*>(artwork); }
  id backgroundImage() const { return member(screen->coverSheet(), "lumivaneArtworkBackgroundImageView"); }
  id background() const { return member(screen->coverSheet(), "lumivaneArtworkBackgroundView"); }
  bool backgroundsHidden() const { return hiddenOf(backgroundImage()) && hiddenOf(background()); }
  bool backgroundsShown() const { return !hiddenOf(backgroundImage()) && !hiddenOf(background()); }
  id shownImage() const { return send<id>(backgroundImage(), "image"_sel); }

  std::unique_ptr<lv::host::LockScreen> screen;
  id artwork;
};

using uikit::presentationAlpha;

TEST(ArtworkTap, ExpandsThenCollapsesAndTheImageIsHandedOverEvenWhenNil) {
  Platter platter;
  EXPECT_EQ(platter.shownImage(), platter.host()->artworkImage.get());
  EXPECT_NE(platter.shownImage(), nil);
  platter.tap();
  platter.screen->advance(0.44);
  EXPECT_EQ(presentationAlpha(platter.backgroundImage()), 0.0) << "the image waits for the last 0.05 s";
  EXPECT_NEAR(presentationAlpha(platter.background()), 0.88, 1e-6);
  platter.screen->advance(0.56);
  EXPECT_TRUE(platter.expanded());
  EXPECT_EQ(frameOf(platter.host()->artworkImageView.get()), CGRectMake(0, 0, 290, 290));
  EXPECT_TRUE(platter.backgroundsShown());
  for (id view : {platter.backgroundImage(), platter.background()}) EXPECT_EQ(presentationAlpha(view), 1.0);

  platter.tap();
  platter.screen->advance(0.3);
  EXPECT_TRUE(platter.backgroundsShown()) << "hidden only after the fades";
  platter.screen->advance(0.7);
  EXPECT_FALSE(platter.expanded());
  EXPECT_TRUE(platter.backgroundsHidden());
  EXPECT_EQ(platter.screen->haptics(), 2);

  for (double wait : {1.0, 0.45, 1.0}) {  // expanded again before the fade out ends
    platter.tap();
    platter.screen->advance(wait);
  }
  EXPECT_TRUE(platter.expanded());
  EXPECT_TRUE(platter.backgroundsShown());
  setFrame(platter.screen->firstView("MRUNowPlayingControlsView"), CGRectMake(0, 0, 315, 498));
  platter.tap();
  platter.screen->advance(1);
  EXPECT_EQ(frameOf(platter.artwork).origin.x, 16.5) << "315 × 0.5 − 157.5 is 0, which takes the default";
  platter.screen->play(song("Silent", lv::host::Artwork::none()));
  EXPECT_EQ(platter.shownImage(), nil);
}

TEST(ArtworkTap, LabelViewBlinksOnlyWithoutCentredLabels) {
  Platter platter({.settings = {{"CenterLabel", false}}});
  id label = platter.screen->global<id>("mruLabel");
  platter.tap();
  // Out over 0.15 s, back 0.25 s after the fade out, over 0.15 s.
  for (auto [wait, alpha] : {std::pair{0.075, 0.5}, {0.3, 0.0}, {0.1, 0.5}, {0.1, 1.0}}) {
    platter.screen->advance(wait);
    EXPECT_NEAR(presentationAlpha(label), alpha, 1e-6) << platter.screen->now();
  }

  platter.screen->global<bool>("CenterLabel") = true;
  platter.tap();
  platter.screen->advance(0.1);
  EXPECT_EQ(presentationAlpha(label), 1.0);
}

// A tap expands only a regular-height platter showing artwork; the haptic follows its setting.
struct TapCase {
  const char* name;
  Setup setup;
  lv::host::Artwork artwork;
  bool expands;
};

struct ArtworkTapCases : testing::TestWithParam<TapCase> {};

TEST_P(ArtworkTapCases, ExpandsOnlyWhereItMay) {
  Platter platter(GetParam().setup, song("Song", GetParam().artwork));
  CGRect before = frameOf(platter.artwork);
  platter.screen->drag({100, 340}, {100, 40});  // the platter starts below the landscape window
  platter.tap();
  platter.screen->advance(1);
  EXPECT_EQ(platter.expanded(), GetParam().expands);
  if (!GetParam().expands) {
    EXPECT_EQ(frameOf(platter.artwork), before);
  }
  EXPECT_EQ(platter.screen->haptics(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Platter, ArtworkTapCases,
    testing::Values(TapCase{"HapticOff", {.settings = {{"HapticFeedback", false}}}, lv::host::Artwork::generated(), true},
                    TapCase{"NoArtwork", {}, lv::host::Artwork::none(), false},
                    TapCase{"CompactHeight", {.sizeClass = SizeClass::Compact}, lv::host::Artwork::generated(), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArtworkFrame, TurningToCompactCollapsesWithTheLabelsAndBackPlacesTheSquareFromTheWidthThen) {
  Platter platter;
  platter.tap();
  platter.screen->advance(1);
  for (SizeClass sizeClass : {SizeClass::Compact, SizeClass::Regular}) {
    platter.screen->setSizeClass(sizeClass);
    EXPECT_FALSE(platter.expanded());
    EXPECT_EQ(frameOf(platter.artwork), CGRectMake(platter.controlsWidth() * 0.5 - 157.5, 310, 70, 70));
    EXPECT_TRUE(platter.backgroundsHidden());
    for (const char* label : {"titleLabel", "artistLabel"})
      EXPECT_EQ(uikit::presentationCenter(member(platter.screen->global<id>("headerView"), label)).x, 112) << label;
  }
}

// The first platter artwork to reach a window is set up; later ones follow the state. An
// unspecified size class and other styles keep the frame asked.
TEST(ArtworkWindow, OnlyTheFirstArtworkIsSetUpAndLaterOnesFollowTheStateAndOtherStylesKeepTheirFrames) {
  Platter platter({.freshNowPlayingTreePerPlay = true});
  EXPECT_EQ(uikit::tapRecognizers(platter.artwork).size(), 1u);
  EXPECT_TRUE(hiddenOf(platter.host()->placeholderBackground.get()) && hiddenOf(platter.host()->placeholderImageView.get()));
  EXPECT_EQ(frameOf(platter.screen->global<id>("mruLabel")).origin.y, 315);
  platter.tap();
  platter.screen->advance(1);
  Ref<> first = Ref<>::retain(platter.artwork);  // held, so that no later one takes its address
  platter.screen->stop();
  EXPECT_TRUE(platter.backgroundsHidden());
  platter.screen->play(song("Next"));
  id next = platter.screen->firstView("MRUArtworkView");
  ASSERT_NE(next, first.get());
  EXPECT_TRUE(uikit::tapRecognizers(next).empty());
  EXPECT_TRUE(platter.backgroundsShown()) << "still expanded";
  EXPECT_EQ(frameOf(next), CGRectMake(platter.controlsWidth() * 0.5 - 145, -15, 290, 290));

  Ref<> other = rt::create("MRUArtworkView");
  send<void>(other, "setStyle:"_sel, NSInteger(2));
  send<void>(platter.screen->window(), "addSubview:"_sel, other);
  uikit::setVerticalSizeClass(next, UIUserInterfaceSizeClassUnspecified);
  for (id view : {next, other.get()}) {
    setFrame(view, CGRectMake(1, 2, 3, 4));
    auto* host = static_cast<MRUArtworkView*>(view);
    EXPECT_EQ(frameOf(view), CGRectMake(1, 2, 3, 4));
    EXPECT_TRUE(hiddenOf(host->iconView.get()) && hiddenOf(host->iconShadowView.get()));
    EXPECT_EQ(host->cornerRadius, 6.0);
    EXPECT_EQ(host->continuousCornerRadius, 6.0);
  }
  EXPECT_TRUE(uikit::tapRecognizers(other.get()).empty()) << "no window set-up";
  id shown = platter.shownImage();
  send<void>(other, "setArtworkImage:"_sel, nil);
  EXPECT_EQ(platter.shownImage(), shown) << "no hand-over from another style";
}

}  // namespace
