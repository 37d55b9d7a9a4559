#include <gtest/gtest.h>

#include "header_support.h"
#include "uikit/color.h"
#include "uikit/font.h"
#include "uikit/gesture_recognizer.h"
#include "uikit/stack_view.h"

namespace {

using testing_support::frameOf;
using testing_support::makeView;
using testing_support::Platter;
using testing_support::textOf;

void expectFrame(CGRect actual, CGRect expected) {
  EXPECT_DOUBLE_EQ(actual.origin.x, expected.origin.x);
  EXPECT_DOUBLE_EQ(actual.origin.y, expected.origin.y);
  EXPECT_DOUBLE_EQ(actual.size.width, expected.size.width);
  EXPECT_DOUBLE_EQ(actual.size.height, expected.size.height);
}

void expectStyle(id label, CGFloat weight, const char* color) {
  const auto* font = static_cast<const UIFont*>(send<id>(label, "font"_sel));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->face.pointSize, 17);
  EXPECT_EQ(font->weight, weight);
  EXPECT_EQ(uikit::rgba(send<id>(label, "textColor"_sel)),
            uikit::rgba(send<id>(objc_getClass("UIColor"), sel_registerName(color))));
  EXPECT_EQ(send<double>(label, "pauseInterval"_sel), 4);
  EXPECT_EQ(send<float>(label, "scrollSpeed"_sel), 30.0f);
  EXPECT_TRUE(send<bool>(label, "isUserInteractionEnabled"_sel));
  EXPECT_EQ(uikit::tapRecognizers(label).size(), 1u);
}

TEST(HeaderLabels, FirstPlatterHeaderGetsTheStackLabelsAndTaps) {
  Platter p({{"kEnabled", true}});
  p.showHeader(CGRectMake(0, 0, 359, 200));

  id stack = p.label("labelStackView");
  id title = p.label("titleLabel");
  id artist = p.label("artistLabel");
  ASSERT_NE(stack, nil);
  ASSERT_TRUE(rt::isKindOfClass(title, objc_getClass("CBAutoScrollLabel")));
  ASSERT_TRUE(rt::isKindOfClass(artist, objc_getClass("CBAutoScrollLabel")));
  EXPECT_EQ(static_cast<UIView*>(p.header.get())->subviews.back(), stack);
  const auto& arranged = uikit::asStackView(stack)->arranged;
  ASSERT_EQ(arranged.size(), 2u);
  EXPECT_EQ(arranged[0].get(), title);
  EXPECT_EQ(arranged[1].get(), artist);
  EXPECT_EQ(send<NSInteger>(stack, "axis"_sel), UILayoutConstraintAxisVertical);
  EXPECT_EQ(send<NSInteger>(stack, "alignment"_sel), UIStackViewAlignmentCenter);
  EXPECT_EQ(send<NSInteger>(stack, "distribution"_sel), UIStackViewDistributionEqualSpacing);

  EXPECT_EQ(textOf(title), "NowPlaying");
  EXPECT_EQ(textOf(artist), "Nobody");
  expectStyle(title, UIFontWeightMedium, "labelColor");
  expectStyle(artist, UIFontWeightRegular, "secondaryLabelColor");

  EXPECT_EQ(p.global<id>("headerView"), p.header.get());
  EXPECT_TRUE(p.global<bool>("HfirstTimeLoaded"));
}

TEST(HeaderLabels, StackSitsBelowTheHeaderMiddleWithTwoRows) {
  Platter p({{"kEnabled", true}});
  p.showHeader(CGRectMake(8, 40, 359, 200));
  expectFrame(frameOf(p.header), CGRectMake(8, 0, 359, 498));
  expectFrame(frameOf(p.label("labelStackView")), CGRectMake(359 * 0.5 - 72.5, 315, 225, 60));
  expectFrame(frameOf(p.label("titleLabel")), CGRectMake(0, 0, 225, 30));
  expectFrame(frameOf(p.label("artistLabel")), CGRectMake(0, 30, 225, 30));
}

TEST(HeaderLabels, OnlyTheFirstHeaderOnThePlatterIsSetUp) {
  Platter p({{"kEnabled", true}});
  send<void>(p.header, "setLayout:"_sel, NSInteger(3));
  p.showHeader();
  EXPECT_EQ(p.label("labelStackView"), nil);
  EXPECT_EQ(p.global<id>("headerView"), nil);
  EXPECT_FALSE(p.global<bool>("HfirstTimeLoaded")) << "another layout leaves the flag";

  send<void>(p.header, "setLayout:"_sel, NSInteger(4));
  send<void>(p.header, "layoutSubviews"_sel);
  EXPECT_NE(p.label("titleLabel"), nil) << "a later layout of the same header tries again";
  EXPECT_EQ(p.global<id>("headerView"), p.header.get());

  Ref<> later = makeView("MRUNowPlayingHeaderView", CGRectMake(0, 0, 359, 200));
  send<void>(later, "layoutSubviews"_sel);
  EXPECT_EQ(send<id>(later, "labelStackView"_sel), nil);
  EXPECT_EQ(p.global<id>("headerView"), p.header.get());
}

TEST(HeaderLabels, CenterLabelOffCapturesTheHeaderWithoutLabels) {
  Platter p({{"kEnabled", true}, {"CenterLabel", false}});
  p.showHeader();
  EXPECT_EQ(p.label("labelStackView"), nil);
  EXPECT_EQ(p.label("titleLabel"), nil);
  EXPECT_EQ(p.label("artistLabel"), nil);
  EXPECT_TRUE(static_cast<UIView*>(p.header.get())->subviews.empty());
  EXPECT_EQ(p.global<id>("headerView"), p.header.get());
  EXPECT_TRUE(p.global<bool>("HfirstTimeLoaded"));
  send<void>(p.header, "centreFrame"_sel);
  send<void>(p.header, "centreFrameWithoutAnimation"_sel);
}

TEST(HeaderFrame, PlatterContextFixesTheVerticalExtent) {
  Platter p({{"kEnabled", true}});
  send<void>(p.header, "setFrame:"_sel, CGRectMake(12, 90, 300, 64));
  expectFrame(frameOf(p.header), CGRectMake(12, 0, 300, 498));
  EXPECT_FALSE(send<bool>(p.header, "translatesAutoresizingMaskIntoConstraints"_sel));

  Ref<> other = makeView("MRUNowPlayingHeaderView");
  send<void>(other, "setContext:"_sel, NSInteger(1));
  send<void>(other, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, true);
  send<void>(other, "setFrame:"_sel, CGRectMake(12, 90, 300, 64));
  expectFrame(frameOf(other), CGRectMake(12, 90, 300, 64));
  EXPECT_TRUE(send<bool>(other, "translatesAutoresizingMaskIntoConstraints"_sel));
}

}  // namespace
