#include <gtest/gtest.h>

#include "header_scene.h"
#include "uikit/view_animation.h"

namespace {

using namespace testing_support;

constexpr const char* kLongTitle = "A title far too long to fit in the header at any size";

// Every track the host shows updates the artwork's visibility, which starts the refresh.
struct HeaderTextRefresh : ::testing::Test {
  HeaderScene s;

  double titleOffset() const {
    return uikit::presentationContentOffset(member(s.label("titleLabel"), "scrollView")).x;
  }
  static host::Track track(const char* title, const char* artist) {
    host::Track t = song(title);
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
