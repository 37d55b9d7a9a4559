// Where the header's labels stand, and how their texts follow the host's.
#include <gtest/gtest.h>

#include <utility>

#include "header_scene.h"
#include "uikit/view_animation.h"

namespace {

using namespace testing_support;

struct Placement : ::testing::Test {
  HeaderScene s;

  void SetUp() override { s.screen->play(song("Night Drive")); }

  void placeEnlarged() {
    s.screen->global<bool>("Expanded") = true;
    send<void>(s.header(), "centreFrameWithoutAnimation"_sel);
  }
  double middle() const { return s.controlsWidth() * 0.5 - s.stackX(); }
  double x(const char* label) const { return frameOf(s.label(label)).origin.x; }
  double hostWidth(const char* line) const { return frameOf(member(s.labelView(), line)).size.width; }
};

// Texts up to 225 wide are centred; wider ones start at a fixed offset.
TEST_F(Placement, EnlargedArtworkCentresFittingTextsAndOffsetsWiderOnes) {
  ASSERT_GT(s.controlsWidth(), 0);
  for (auto [title, artist, titleX, artistX] :
       {std::tuple{225.0, 226.0, -112.5 + 6, -112.0}, {226.0, 100.0, -112.0, -50.0 + 6}}) {
    s.setHostTextWidth("titleMarqueeView", title);
    s.setHostTextWidth("subtitleMarqueeView", artist);
    placeEnlarged();
    EXPECT_DOUBLE_EQ(x("titleLabel"), middle() + titleX) << title;
    EXPECT_DOUBLE_EQ(x("artistLabel"), middle() + artistX) << artist;
  }
  EXPECT_EQ(frameOf(s.label("artistLabel")).origin.y, 30) << "only across";
}

TEST_F(Placement, ArtworkTapMovesBothLabelsTogetherOverAThirdOfASecond) {
  double home = x("titleLabel");
  s.screen->tap("MRUArtworkView");
  ASSERT_TRUE(s.screen->global<bool>("Expanded"));
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

TEST_F(Placement, AtBuildAnEnlargedArtworkStartsTheLabelsCentredOnTheControls) {
  // A second header built while the platter's controls are framed, the one-shot flag
  // cleared by hand.
  Ref<> header = HeaderScene::makeHostView("MRUNowPlayingHeaderView", 4, CGRectMake(0, 0, 359, 100));
  s.screen->global<bool>("HfirstTimeLoaded") = false;
  s.setHostTextWidth("titleMarqueeView", 100);
  s.setHostTextWidth("subtitleMarqueeView", 80);
  s.screen->global<bool>("Expanded") = true;
  send<void>(header, "layoutSubviews"_sel);
  // Out of any window: the passes that solve the stack, then its labels, are run by hand.
  send<void>(header, "layoutSubviews"_sel);
  send<void>(member(header.get(), "labelStackView"), "layoutSubviews"_sel);

  double hostX = frameOf(s.labelView()).origin.x;
  double middle = s.controlsWidth() * 0.5 - hostX;
  EXPECT_DOUBLE_EQ(frameOf(member(header.get(), "titleLabel")).origin.x, middle - 50 + 6);
  EXPECT_DOUBLE_EQ(frameOf(member(header.get(), "artistLabel")).origin.x, middle - 40 + 6);
}

constexpr const char* kLongTitle = "A title far too long to fit in the header at any size";

// Every track the host shows updates the artwork's visibility, which starts the refresh.
struct HeaderTextRefresh : ::testing::Test {
  HeaderScene s;

  double titleOffset() const {
    return uikit::presentationContentOffset(member(s.label("titleLabel"), "scrollView")).x;
  }
  static lv::host::Track track(const char* title, const char* artist) {
    return {title, artist, "com.example.player", 215, lv::host::Artwork::generated()};
  }
};

TEST_F(HeaderTextRefresh, TitleAtOnceThenArtistThenPlacement) {
  s.screen->play(track("Night Drive", "The Lanterns"));
  s.screen->global<bool>("Expanded") = true;
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
  rt::release(std::exchange(s.screen->global<id>("mruLabel"), nil));  // as before any was framed
  send<void>(s.screen->firstView("MRUArtworkView"), "updateVisibility"_sel);
  s.screen->advance(0);
  for (const char* label : {"titleLabel", "artistLabel"}) EXPECT_EQ(member(s.label(label), "text"), nil) << label;
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
