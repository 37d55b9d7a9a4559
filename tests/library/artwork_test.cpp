#include <gtest/gtest.h>

#include "artwork_scene.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "uikit/feedback_generator.h"
#include "uikit/gesture_recognizer.h"

namespace {

using testing_support::ArtworkScene;

void runFor(double seconds) { fnd::RunLoop::main().runFor(seconds); }
size_t haptics() { return uikit::hapticRecord().impacts.size(); }

double centreX(id view) { return send<CGPoint>(view, "center"_sel).x; }
double leftX(id view) { return send<CGRect>(view, "frame"_sel).origin.x; }

CGRect firstFrameOn(const char* profile) {
  ArtworkScene scene({}, profile);
  send<void>(scene.artwork, "setFrame:"_sel, CGRectMake(1, 2, 3, 4));
  return scene.frame();
}

TEST(ArtworkFrame, FirstRegularFrameOnAPhone) { EXPECT_EQ(firstFrameOn("phone"), CGRectMake(16.5, 310, 70, 70)); }
TEST(ArtworkFrame, FirstRegularFrameOnASmallPhone) {
  EXPECT_EQ(firstFrameOn("small-phone"), CGRectMake(4, 310, 70, 70));
}
TEST(ArtworkFrame, FirstRegularFrameOnATablet) { EXPECT_EQ(firstFrameOn("tablet"), CGRectMake(100, 310, 70, 70)); }

TEST(ArtworkFrame, FirstWindowSetsUpOnce) {
  ArtworkScene scene;
  EXPECT_TRUE(scene.global<bool>("firstTimeLoaded"));
  EXPECT_EQ(uikit::tapRecognizers(scene.artwork).size(), 1u);
  EXPECT_TRUE(ArtworkScene::hidden(scene.host()->placeholderBackground));
  EXPECT_TRUE(ArtworkScene::hidden(scene.host()->placeholderImageView));
  EXPECT_TRUE(ArtworkScene::hidden(scene.backgroundImage) && ArtworkScene::hidden(scene.background));
  Ref<> later = ArtworkScene::makeArtworkView();
  send<void>(scene.platter, "addSubview:"_sel, later);
  EXPECT_TRUE(uikit::tapRecognizers(later).empty());
  scene.global<bool>("Expanded") = true;
  send<void>(later, "removeFromSuperview"_sel);
  send<void>(scene.platter, "addSubview:"_sel, later);
  EXPECT_FALSE(ArtworkScene::hidden(scene.backgroundImage) || ArtworkScene::hidden(scene.background))
      << "backgrounds follow Expanded when an artwork view comes back";
}

TEST(ArtworkTap, ExpandsThenCollapses) {
  ArtworkScene scene;
  scene.buildHeaderLabels();
  id title = scene.headerLabel("titleLabel");
  scene.tapArtwork();
  runFor(0.44);
  EXPECT_EQ(ArtworkScene::shownAlpha(scene.backgroundImage), 0.0) << "the image waits for the last 0.05 s";
  EXPECT_NEAR(ArtworkScene::shownAlpha(scene.background), 0.88, 1e-6);
  runFor(0.56);
  EXPECT_TRUE(scene.global<bool>("Expanded"));
  EXPECT_EQ(scene.shownFrame(), CGRectMake(-145, -15, 290, 290));
  EXPECT_EQ(send<CGRect>(scene.host()->artworkImageView, "frame"_sel), CGRectMake(0, 0, 290, 290));
  EXPECT_EQ(send<CGRect>(scene.host()->artworkShadowView, "frame"_sel), CGRectMake(0, 0, 290, 290));
  for (id v : {scene.backgroundImage.get(), scene.background.get()}) {
    EXPECT_FALSE(ArtworkScene::hidden(v));
    EXPECT_EQ(ArtworkScene::shownAlpha(v), 1.0);
  }
  EXPECT_EQ(haptics(), 1u);
  EXPECT_EQ(leftX(title), 6 - leftX(scene.headerLabel("labelStackView")))
      << "centred on the controls' middle (no host text)";

  scene.tapArtwork();
  runFor(0.3);
  EXPECT_FALSE(ArtworkScene::hidden(scene.background)) << "hidden only after the fades";
  runFor(0.7);
  EXPECT_FALSE(scene.global<bool>("Expanded"));
  EXPECT_EQ(scene.shownFrame(), CGRectMake(-157.5, 310, 70, 70));
  EXPECT_TRUE(ArtworkScene::hidden(scene.backgroundImage) && ArtworkScene::hidden(scene.background));
  EXPECT_EQ(centreX(title), 112);
  EXPECT_EQ(haptics(), 2u);
  EXPECT_EQ(scene.host()->cornerRadius, 6.0);
}

TEST(ArtworkTap, ExpandingAgainBeforeTheFadeOutEndsKeepsTheBackgrounds) {
  ArtworkScene scene;
  scene.tapArtwork();
  runFor(1);
  scene.tapArtwork();
  runFor(0.45);
  scene.tapArtwork();
  runFor(1);
  EXPECT_TRUE(scene.global<bool>("Expanded"));
  EXPECT_FALSE(ArtworkScene::hidden(scene.backgroundImage) || ArtworkScene::hidden(scene.background));
}

TEST(ArtworkTap, NoHapticWhenTurnedOff) {
  ArtworkScene scene({{"HapticFeedback", false}});
  scene.tapArtwork();
  runFor(1);
  EXPECT_TRUE(scene.global<bool>("Expanded"));
  EXPECT_EQ(haptics(), 0u);
}

TEST(ArtworkTap, LabelViewBlinksOnlyWithoutCentredLabels) {
  ArtworkScene scene({{"CenterLabel", false}});
  scene.tapArtwork();
  runFor(0.075);
  EXPECT_NEAR(ArtworkScene::shownAlpha(scene.labelView), 0.5, 1e-6);
  runFor(0.3);
  EXPECT_EQ(ArtworkScene::shownAlpha(scene.labelView), 0.0) << "back only 0.25 s after the fade out";
  runFor(0.1);
  EXPECT_NEAR(ArtworkScene::shownAlpha(scene.labelView), 0.5, 1e-6);
  runFor(0.1);
  EXPECT_EQ(ArtworkScene::shownAlpha(scene.labelView), 1.0);

  scene.global<bool>("CenterLabel") = true;
  scene.tapArtwork();
  runFor(0.1);
  EXPECT_EQ(ArtworkScene::shownAlpha(scene.labelView), 1.0);
}

TEST(ArtworkTap, IgnoredWhenCompactOrWithoutArtwork) {
  ArtworkScene scene;
  CGRect before = scene.frame();
  Ref<> image = scene.host()->artworkImage;
  send<void>(scene.artwork, "setArtworkImage:"_sel, nil);
  scene.tapArtwork();
  send<void>(scene.artwork, "setArtworkImage:"_sel, image);
  uikit::setVerticalSizeClass(scene.window, UIUserInterfaceSizeClassCompact);
  scene.tapArtwork();
  runFor(1);
  EXPECT_FALSE(scene.global<bool>("Expanded"));
  EXPECT_EQ(scene.frame(), before);
  EXPECT_TRUE(ArtworkScene::hidden(scene.background));
  EXPECT_EQ(haptics(), 0u);
}

TEST(ArtworkFrame, CompactFrameCollapses) {
  ArtworkScene scene;
  scene.tapArtwork();
  runFor(1);
  uikit::setVerticalSizeClass(scene.window, UIUserInterfaceSizeClassCompact);
  send<void>(scene.artwork, "setFrame:"_sel, CGRectMake(1, 2, 3, 4));
  EXPECT_FALSE(scene.global<bool>("Expanded"));
  EXPECT_EQ(scene.frame(), CGRectMake(-157.5, 310, 70, 70));
  EXPECT_TRUE(ArtworkScene::hidden(scene.backgroundImage) && ArtworkScene::hidden(scene.background));
}

TEST(ArtworkFrame, UnspecifiedSizeClassAndOtherStylesKeepTheAskedFrame) {
  ArtworkScene scene;
  uikit::setVerticalSizeClass(scene.window, UIUserInterfaceSizeClassUnspecified);
  Ref<> other = ArtworkScene::makeArtworkView();
  send<void>(other, "setStyle:"_sel, NSInteger(2));
  send<void>(scene.platter, "addSubview:"_sel, other);
  uikit::setVerticalSizeClass(other, UIUserInterfaceSizeClassRegular);
  for (id view : {scene.artwork.get(), other.get()}) {
    send<void>(view, "setFrame:"_sel, CGRectMake(1, 2, 3, 4));
    auto* host = static_cast<MRUArtworkView*>(view);
    EXPECT_EQ(send<CGRect>(view, "frame"_sel), CGRectMake(1, 2, 3, 4));
    EXPECT_TRUE(ArtworkScene::hidden(host->iconView) && ArtworkScene::hidden(host->iconShadowView));
    EXPECT_EQ(host->cornerRadius, 6.0);
    EXPECT_EQ(host->continuousCornerRadius, 6.0);
  }
  send<void>(other, "setArtworkImage:"_sel, uikit::imageWithRGBA(1, 1, 1, {0, 0, 0, 255}));
  EXPECT_EQ(send<id>(scene.backgroundImage, "image"_sel), scene.host()->artworkImage.get())
      << "no hand-over from another style";
}

TEST(ArtworkFrame, ZeroOriginTakesTheDefaultAgain) {
  ArtworkScene scene;
  scene.global<double>("dOriginX") = 0;
  send<void>(scene.artwork, "setFrame:"_sel, CGRectZero);
  EXPECT_EQ(scene.frame().origin.x, 16.5);
}

TEST(ArtworkVisibility, EveryStyleRefreshesTheHeaderTexts) {
  ArtworkScene scene;
  scene.buildHeaderLabels();
  send<void>(scene.labelView, "setTitle:"_sel, fnd::string("Song"));
  send<void>(scene.labelView, "setSubtitle:"_sel, fnd::string("Singer"));
  Ref<> other = ArtworkScene::makeArtworkView();
  send<void>(other, "setStyle:"_sel, NSInteger(3));
  send<void>(other, "updateVisibility"_sel);
  EXPECT_EQ(fnd::utf8(send<id>(scene.headerLabel("titleLabel"), "text"_sel)), "Song");
  runFor(0);
  EXPECT_EQ(fnd::utf8(send<id>(scene.headerLabel("artistLabel"), "text"_sel)), "Singer");
}

TEST(ArtworkVisibility, HandsTheImageOverEvenWhenNil) {
  ArtworkScene scene;
  EXPECT_EQ(send<id>(scene.backgroundImage, "image"_sel), scene.host()->artworkImage.get());
  send<void>(scene.artwork, "setArtworkImage:"_sel, nil);
  EXPECT_EQ(send<id>(scene.backgroundImage, "image"_sel), nil);
}

}  // namespace
