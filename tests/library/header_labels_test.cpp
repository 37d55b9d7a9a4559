#include <gtest/gtest.h>

#include "geometry_printers.h"
#include "header_scene.h"
#include "uikit/stack_view.h"

namespace {

using namespace testing_support;

TEST(HeaderLabels, PlatterHeaderShowsTheTrackInItsOwnLabels) {
  HeaderScene s;
  s.screen->play(song("Night Drive"));
  id header = s.header();
  id stack = s.label("labelStackView");
  id title = s.label("titleLabel");
  id artist = s.label("artistLabel");
  ASSERT_NE(stack, nil);
  EXPECT_TRUE(rt::isKindOfClass(title, objc_getClass("CBAutoScrollLabel")));
  EXPECT_EQ(static_cast<UIView*>(header)->subviews.back(), stack);
  const auto& arranged = uikit::asStackView(stack)->arranged;
  ASSERT_EQ(arranged.size(), 2u);
  EXPECT_EQ(arranged[0].get(), title);
  EXPECT_EQ(arranged[1].get(), artist);
  EXPECT_EQ(textOf(title), "Night Drive");
  EXPECT_EQ(textOf(artist), "Artist");
  EXPECT_EQ(s.global<id>("headerView"), header);
  EXPECT_TRUE(s.global<bool>("HfirstTimeLoaded"));
  EXPECT_EQ(frameOf(stack), CGRectMake(frameOf(header).size.width * 0.5 - 72.5, 315, 225, 60));
  EXPECT_EQ(frameOf(title).size, CGSizeMake(225, 30));
  EXPECT_EQ(frameOf(artist).origin.y, 30);
  EXPECT_EQ(frameOf(artist).size, CGSizeMake(225, 30));
}

TEST(HeaderLabels, PlaceholdersUntilTheFirstRefresh) {
  HeaderScene s;
  Ref<> header = HeaderScene::makeHostView("MRUNowPlayingHeaderView");
  send<void>(header, "layoutSubviews"_sel);
  EXPECT_EQ(textOf(member(header, "titleLabel")), "NowPlaying");
  EXPECT_EQ(textOf(member(header, "artistLabel")), "Nobody");

  s.screen->play(song("Night Drive"));
  EXPECT_EQ(s.global<id>("headerView"), header.get()) << "the platter's header came later";
  EXPECT_EQ(member(s.header(), "titleLabel"), nil);
  EXPECT_EQ(textOf(member(header, "titleLabel")), "Night Drive");
  EXPECT_EQ(textOf(member(header, "artistLabel")), "Artist");
}

TEST(HeaderLabels, HeaderInAnotherLayoutLeavesTheSetUpToALaterOne) {
  HeaderScene s;
  Ref<> elsewhere = HeaderScene::makeHostView("MRUNowPlayingHeaderView", 3);
  send<void>(elsewhere, "layoutSubviews"_sel);
  EXPECT_EQ(member(elsewhere, "labelStackView"), nil);
  EXPECT_FALSE(s.global<bool>("HfirstTimeLoaded"));
  s.screen->play(song());
  EXPECT_NE(s.label("titleLabel"), nil);
}

TEST(HeaderLabels, CenterLabelOffKeepsTheHostTextsButCapturesTheHeader) {
  HeaderScene s({{"CenterLabel", false}});
  s.screen->play(song("Night Drive"));
  EXPECT_EQ(s.label("labelStackView"), nil);
  EXPECT_EQ(s.screen->firstView("UIStackView"), nil);
  EXPECT_EQ(s.global<id>("headerView"), s.header());
  EXPECT_TRUE(s.global<bool>("HfirstTimeLoaded"));
  EXPECT_EQ(textOf(member(s.labelView(), "titleMarqueeView")), "Night Drive");
}

// In the platter's context the header is framed to the controls' height, by constraints.
TEST(HeaderFrame, PlatterContextFixesTheVerticalExtent) {
  HeaderScene s;
  s.screen->play(song());
  Ref<> other = HeaderScene::makeHostView("MRUNowPlayingHeaderView");
  send<void>(other, "setContext:"_sel, NSInteger(1));
  for (auto [header, framed] :
       {std::pair{s.header(), CGRectMake(12, 0, 300, 498)}, {other.get(), CGRectMake(12, 90, 300, 64)}}) {
    send<void>(header, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, true);
    setFrame(header, CGRectMake(12, 90, 300, 64));
    EXPECT_EQ(frameOf(header), framed);
    EXPECT_EQ(send<bool>(header, "translatesAutoresizingMaskIntoConstraints"_sel), header == other.get());
  }
}

}  // namespace
