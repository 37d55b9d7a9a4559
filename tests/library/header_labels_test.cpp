#include <gtest/gtest.h>

#include "header_scene.h"
#include "support/geometry_printers.h"
#include "uikit/stack_view.h"

namespace {

using namespace testing_support;

// In the platter's context the header is framed to the controls' height, and in its layout
// the transport controls are placed under the labels, by constraints.
TEST(HeaderLabels, PlatterHeaderShowsTheTrackInItsOwnLabelsOverTheTransportControls) {
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
  EXPECT_EQ(frameOf(stack), CGRectMake(frameOf(header).size.width * 0.5 - 72.5, 315, 225, 60));
  EXPECT_EQ(frameOf(title).size, CGSizeMake(225, 30));
  EXPECT_EQ(frameOf(artist).origin.y, 30);
  EXPECT_EQ(frameOf(artist).size, CGSizeMake(225, 30));

  Ref<> other = HeaderScene::makeHostView("MRUNowPlayingHeaderView");
  send<void>(other, "setContext:"_sel, NSInteger(1));
  for (auto [view, framed] :
       {std::pair{header, CGRectMake(12, 0, 300, 498)}, {other.get(), CGRectMake(12, 90, 300, 64)}}) {
    send<void>(view, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, true);
    setFrame(view, CGRectMake(12, 90, 300, 64));
    EXPECT_EQ(frameOf(view), framed);
    EXPECT_EQ(send<bool>(view, "translatesAutoresizingMaskIntoConstraints"_sel), view == other.get());
  }
  id transport = s.screen->firstView("MRUNowPlayingTransportControlsView");
  Ref<> elsewhere = HeaderScene::makeHostView("MRUNowPlayingTransportControlsView", 2);
  send<void>(elsewhere, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, true);
  for (id view : {transport, elsewhere.get()}) setFrame(view, CGRectMake(10, 200, 300, 52));
  EXPECT_EQ(frameOf(transport), CGRectMake(s.controlsWidth() * 0.5 - 125, 420, 250, 52));
  send<void>(transport, "layoutIfNeeded"_sel);
  const auto& buttons = static_cast<UIView*>(transport)->subviews;
  EXPECT_EQ(CGRectGetMidX(frameOf(buttons[1].get())), 125) << "the middle button under the platter's centre";
  EXPECT_EQ(CGRectGetMaxX(frameOf(buttons[2].get())), 250);
  EXPECT_FALSE(send<bool>(transport, "translatesAutoresizingMaskIntoConstraints"_sel));
  EXPECT_EQ(frameOf(elsewhere.get()), CGRectMake(10, 200, 300, 52));
  EXPECT_TRUE(send<bool>(elsewhere, "translatesAutoresizingMaskIntoConstraints"_sel));
}

// A header in another layout leaves the set-up to a later one, which shows placeholders
// until the first refresh.
TEST(HeaderLabels, FirstPlatterHeaderLaidOutShowsPlaceholdersUntilTheFirstRefresh) {
  HeaderScene s;
  Ref<> elsewhere = HeaderScene::makeHostView("MRUNowPlayingHeaderView", 3);
  send<void>(elsewhere, "layoutSubviews"_sel);
  EXPECT_EQ(member(elsewhere.get(), "labelStackView"), nil);
  Ref<> labelsElsewhere = HeaderScene::makeHostView("MRUNowPlayingLabelView", 3);
  for (id view : {elsewhere.get(), labelsElsewhere.get()}) {
    send<void>(view, "addGestures"_sel);
    EXPECT_EQ(send<NSUInteger>(send<id>(view, "gestureRecognizers"_sel), "count"_sel), 0u) << "no tap outside the platter";
  }
  EXPECT_FALSE(s.screen->global<bool>("HfirstTimeLoaded"));
  Ref<> header = HeaderScene::makeHostView("MRUNowPlayingHeaderView");
  send<void>(header, "layoutSubviews"_sel);
  EXPECT_EQ(textOf(member(header.get(), "titleLabel")), "NowPlaying");
  EXPECT_EQ(textOf(member(header.get(), "artistLabel")), "Nobody");

  s.screen->play(song("Night Drive"));
  EXPECT_EQ(s.screen->global<id>("headerView"), header.get()) << "the platter's header came later";
  EXPECT_EQ(member(s.header(), "titleLabel"), nil);
  EXPECT_EQ(textOf(member(header.get(), "titleLabel")), "Night Drive");
  EXPECT_EQ(textOf(member(header.get(), "artistLabel")), "Artist");
}

TEST(HeaderLabels, CenterLabelOffKeepsTheHostTextsButCapturesTheHeader) {
  HeaderScene s({{"CenterLabel", false}});
  s.screen->play(song("Night Drive"));
  EXPECT_EQ(s.label("labelStackView"), nil);
  EXPECT_EQ(s.screen->firstView("UIStackView"), nil);
  EXPECT_EQ(s.screen->global<id>("headerView"), s.header());
  EXPECT_TRUE(s.screen->global<bool>("HfirstTimeLoaded"));
  EXPECT_EQ(textOf(member(s.labelView(), "titleMarqueeView")), "Night Drive");
}

}  // namespace
