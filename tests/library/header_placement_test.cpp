// Where the header's labels stand, and how their texts follow the host's.
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

constexpr const char* kLongTitle = "A title far too long to fit in the header at any size";

// Every track the host shows updates the artwork's visibility, which starts the refresh.
struct HeaderTextRefresh : ::testing::Test {
  HeaderScene s;

  double titleOffset() const {
    return uikit::presentationContentOffset(member(s.label("titleLabel"), "scrollView")).x;
  }
  static lv::host::Track track(const char* title, const char* artist) {
    lv::host::Track t = song(title);
    t.artist = artist;
    return t;
  }
};

TEST_F(HeaderTextRefresh, TitleAtOnceThenArtistThenPlacement) {
  s.screen->play(track("Night Drive", "The Lanterns"));
  s.global<bool>("Expanded") = true;
  send<void>(s.labelView(), "setTitle:"_sel, fnd::string("Slow Tide"));
  send<void>(s.labelView(), "setSubtitle:"_sel, fnd::string("Harbour"));
  double home = frameOf(s.label("titleLabel")).origin.x;

  send<void>(s.screen->firstView("MRUArtworkView"), "updateVisibility"_sel);
  EXPECT_EQ(textOf(s.label("titleLabel")), "Slow Tide");
  EXPECT_EQ(textOf(s.label("artistLabel")), "The Lanterns") << "the artist waits for the title's animation";
  EXPECT_EQ(frameOf(s.label("titleLabel")).origin.x, home);

  s.screen->advance(0);
  EXPECT_EQ(textOf(s.label("artistLabel")), "Harbour");
  double hostWidth = frameOf(member(s.labelView(), "titleMarqueeView")).size.width;
  EXPECT_DOUBLE_EQ(frameOf(s.label("titleLabel")).origin.x,
                   s.controlsWidth() * 0.5 - s.stackX() - hostWidth * 0.5 + 6)
      << "placed once both texts are in";
}

TEST_F(HeaderTextRefresh, WithoutHostLabelViewBothLabelsEmpty) {
  s.screen->play(song());
  s.forgetLabelView();
  send<void>(s.screen->firstView("MRUArtworkView"), "updateVisibility"_sel);
  s.screen->advance(0);
  EXPECT_EQ(member(s.label("titleLabel"), "text"), nil);
  EXPECT_EQ(member(s.label("artistLabel"), "text"), nil);
}

TEST_F(HeaderTextRefresh, UnchangedTitleKeepsScrolling) {
  s.screen->play(track(kLongTitle, "First"));
  s.screen->advance(5);
  double moving = titleOffset();
  ASSERT_GT(moving, 0) << "the title moves after its 4 s rest";

  s.screen->play(track(kLongTitle, "Second"));
  EXPECT_EQ(textOf(s.label("artistLabel")), "Second");
  s.screen->advance(0.1);
  EXPECT_GT(titleOffset(), moving) << "the title's run goes on";

  s.screen->play(track("Short", "Second"));
  EXPECT_EQ(titleOffset(), 0) << "a new title starts over";
}

}  // namespace
