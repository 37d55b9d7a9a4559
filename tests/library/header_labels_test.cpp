#include <gtest/gtest.h>

#include "geometry_printers.h"
#include "header_scene.h"
#include "uikit/color.h"
#include "uikit/font.h"
#include "uikit/gesture_recognizer.h"
#include "uikit/stack_view.h"

namespace {

using namespace testing_support;

void expectStyle(id label, CGFloat weight, const char* color) {
  const auto* font = static_cast<const UIFont*>(member(label, "font"));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->face.pointSize, 17);
  EXPECT_EQ(font->weight, weight);
  EXPECT_EQ(uikit::rgba(member(label, "textColor")),
            uikit::rgba(send<id>(objc_getClass("UIColor"), sel_registerName(color))));
  EXPECT_EQ(send<double>(label, "pauseInterval"_sel), 4);
  EXPECT_EQ(send<float>(label, "scrollSpeed"_sel), 30.0f);
  EXPECT_TRUE(send<bool>(label, "isUserInteractionEnabled"_sel));
  EXPECT_EQ(uikit::tapRecognizers(label).size(), 1u);
}

TEST(HeaderLabels, PlatterHeaderShowsTheTrackInItsOwnLabels) {
  HeaderScene s;
  s.screen->play(song("Night Drive"));
  id header = s.header();
  id stack = s.label("labelStackView");
  id title = s.label("titleLabel");
  id artist = s.label("artistLabel");
  ASSERT_NE(stack, nil);
  ASSERT_TRUE(rt::isKindOfClass(title, objc_getClass("CBAutoScrollLabel")));
  ASSERT_TRUE(rt::isKindOfClass(artist, objc_getClass("CBAutoScrollLabel")));
  EXPECT_EQ(static_cast<UIView*>(header)->subviews.back(), stack);
  const auto& arranged = uikit::asStackView(stack)->arranged;
  ASSERT_EQ(arranged.size(), 2u);
  EXPECT_EQ(arranged[0].get(), title);
  EXPECT_EQ(arranged[1].get(), artist);
  EXPECT_EQ(send<NSInteger>(stack, "axis"_sel), UILayoutConstraintAxisVertical);
  EXPECT_EQ(send<NSInteger>(stack, "alignment"_sel), UIStackViewAlignmentCenter);
  EXPECT_EQ(send<NSInteger>(stack, "distribution"_sel), UIStackViewDistributionEqualSpacing);

  EXPECT_EQ(textOf(title), "Night Drive");
  EXPECT_EQ(textOf(artist), "Artist");
  expectStyle(title, UIFontWeightMedium, "labelColor");
  expectStyle(artist, UIFontWeightRegular, "secondaryLabelColor");
  EXPECT_EQ(s.global<id>("headerView"), header);
  EXPECT_TRUE(s.global<bool>("HfirstTimeLoaded"));

  double w = frameOf(header).size.width;
  EXPECT_EQ(frameOf(stack), CGRectMake(w * 0.5 - 72.5, 315, 225, 60));
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
  EXPECT_EQ(s.global<id>("headerView"), nil);
  EXPECT_FALSE(s.global<bool>("HfirstTimeLoaded"));

  s.screen->play(song());
  EXPECT_NE(s.label("titleLabel"), nil);
  EXPECT_EQ(s.global<id>("headerView"), s.header());
}

TEST(HeaderLabels, CenterLabelOffKeepsTheHostTextsButCapturesTheHeader) {
  HeaderScene s({{"CenterLabel", false}});
  s.screen->play(song("Night Drive"));
  EXPECT_EQ(s.label("labelStackView"), nil);
  EXPECT_EQ(s.label("titleLabel"), nil);
  EXPECT_EQ(s.label("artistLabel"), nil);
  EXPECT_EQ(s.screen->firstView("UIStackView"), nil);
  EXPECT_EQ(s.global<id>("headerView"), s.header());
  EXPECT_TRUE(s.global<bool>("HfirstTimeLoaded"));
  EXPECT_EQ(textOf(member(s.labelView(), "titleMarqueeView")), "Night Drive");
}

TEST(HeaderFrame, PlatterContextFixesTheVerticalExtent) {
  HeaderScene s;
  s.screen->play(song());
  send<void>(s.header(), "setFrame:"_sel, CGRectMake(12, 90, 300, 64));
  EXPECT_EQ(frameOf(s.header()), CGRectMake(12, 0, 300, 498));
  EXPECT_FALSE(send<bool>(s.header(), "translatesAutoresizingMaskIntoConstraints"_sel));

  Ref<> other = HeaderScene::makeHostView("MRUNowPlayingHeaderView");
  send<void>(other, "setContext:"_sel, NSInteger(1));
  send<void>(other, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, true);
  send<void>(other, "setFrame:"_sel, CGRectMake(12, 90, 300, 64));
  EXPECT_EQ(frameOf(other), CGRectMake(12, 90, 300, 64));
  EXPECT_TRUE(send<bool>(other, "translatesAutoresizingMaskIntoConstraints"_sel));
}

}  // namespace
