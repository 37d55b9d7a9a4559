#include <gtest/gtest.h>

#include "header_scene.h"
#include "uikit/view_animation.h"

namespace {

using namespace testing_support;

struct Placement : ::testing::Test {
  HeaderScene s;

  void SetUp() override { s.screen->play(song("Night Drive")); }

  void placeWithArtwork(bool expanded) {
    s.global<bool>("Expanded") = expanded;
    send<void>(s.header(), "centreFrameWithoutAnimation"_sel);
  }
  double middle() const { return s.controlsWidth() * 0.5 - s.stackX(); }
  double x(const char* label) const { return frameOf(s.label(label)).origin.x; }
  double hostWidth(const char* line) const { return frameOf(member(s.labelView(), line)).size.width; }
};

TEST_F(Placement, EnlargedArtworkCentresFittingTextsAndOffsetsWiderOnes) {
  ASSERT_GT(s.controlsWidth(), 0);
  s.setHostTextWidth("titleMarqueeView", 225);
  s.setHostTextWidth("subtitleMarqueeView", 226);
  placeWithArtwork(true);
  EXPECT_DOUBLE_EQ(x("titleLabel"), middle() - 112.5 + 6);
  EXPECT_DOUBLE_EQ(x("artistLabel"), middle() - 112);
  EXPECT_EQ(frameOf(s.label("titleLabel")).origin.y, 0);
  EXPECT_EQ(frameOf(s.label("artistLabel")).origin.y, 30);
  EXPECT_EQ(frameOf(s.label("titleLabel")).size, CGSizeMake(225, 30));

  s.setHostTextWidth("titleMarqueeView", 226);
  s.setHostTextWidth("subtitleMarqueeView", 100);
  placeWithArtwork(true);
  EXPECT_DOUBLE_EQ(x("titleLabel"), middle() - 112);
  EXPECT_DOUBLE_EQ(x("artistLabel"), middle() - 50 + 6);
}

TEST_F(Placement, SmallArtworkBringsBothLabelsHome) {
  placeWithArtwork(true);
  placeWithArtwork(false);
  for (const char* label : {"titleLabel", "artistLabel"})
    EXPECT_EQ(send<CGPoint>(s.label(label), "center"_sel).x, 112) << label;
  EXPECT_EQ(frameOf(s.label("titleLabel")).origin.y, 0);
  EXPECT_EQ(frameOf(s.label("artistLabel")).origin.y, 30);
}

TEST_F(Placement, ArtworkTapMovesBothLabelsTogetherOverAThirdOfASecond) {
  double home = x("titleLabel");
  s.screen->tap("MRUArtworkView");
  ASSERT_TRUE(s.global<bool>("Expanded"));
  double title = middle() - hostWidth("titleMarqueeView") * 0.5 + 6;
  double artist = middle() - hostWidth("subtitleMarqueeView") * 0.5 + 6;
  EXPECT_DOUBLE_EQ(x("titleLabel"), title) << "the model moves at once";
  EXPECT_DOUBLE_EQ(x("artistLabel"), artist);

  s.screen->advance(0.15);
  double shown = uikit::presentationFrame(s.label("titleLabel")).origin.x;
  EXPECT_NE(shown, home);
  EXPECT_NE(shown, title);
  s.screen->advance(0.2);
  EXPECT_DOUBLE_EQ(uikit::presentationFrame(s.label("titleLabel")).origin.x, title);
  EXPECT_DOUBLE_EQ(uikit::presentationFrame(s.label("artistLabel")).origin.x, artist);
}

TEST_F(Placement, ATitleMovedByTheTapRunsAtItsOwnLinearPace) {
  s.screen->play(song("A title far too long to stand still beside the small artwork"));
  s.screen->tap("MRUArtworkView");
  id title = s.label("titleLabel");
  double width = frameOf(member(title, "mainLabel")).size.width;
  s.screen->advance(4 + 1);  // the rest, then a second of the move
  EXPECT_NEAR(uikit::presentationContentOffset(member(title, "scrollView")).x, 30 * (width + 20) / width, 1e-6);
}

TEST(PlacementAtBuild, EnlargedArtworkStartsTheLabelsCentredOnTheControls) {
  HeaderScene s;
  s.screen->play(song());
  // A second header built while the platter's controls are framed, the one-shot flag
  // cleared by hand.
  Ref<> header = HeaderScene::makeHostView("MRUNowPlayingHeaderView", 4, CGRectMake(0, 0, 359, 100));
  s.global<bool>("HfirstTimeLoaded") = false;
  s.setHostTextWidth("titleMarqueeView", 100);
  s.setHostTextWidth("subtitleMarqueeView", 80);
  s.global<bool>("Expanded") = true;
  send<void>(header, "layoutSubviews"_sel);
  // Out of any window: the passes that solve the stack, then its labels, are run by hand.
  send<void>(header, "layoutSubviews"_sel);
  send<void>(member(header, "labelStackView"), "layoutSubviews"_sel);

  double hostX = frameOf(s.labelView()).origin.x;
  double middle = s.controlsWidth() * 0.5 - hostX;
  EXPECT_DOUBLE_EQ(frameOf(member(header, "titleLabel")).origin.x, middle - 50 + 6);
  EXPECT_DOUBLE_EQ(frameOf(member(header, "artistLabel")).origin.x, middle - 40 + 6);
}

}  // namespace
