#include <gtest/gtest.h>

#include <utility>

#include "header_support.h"
#include "uikit/view_animation.h"

namespace {

using testing_support::frameOf;
using testing_support::Platter;
using testing_support::textOf;

constexpr const char* kLongTitle = "A title far too long to fit in the header at any size";

// The artwork view starts the refresh each time the host updates its visibility.
struct HeaderTextRefresh : ::testing::Test {
  Platter p{{{"kEnabled", true}}};
  Ref<> artwork;

  void SetUp() override {
    artwork = rt::create("MRUArtworkView");
    send<void>(p.labelView, "setFrame:"_sel, CGRectMake(0, 0, 250, 55));
    p.showHeader();
  }

  void hostTexts(const char* title, const char* subtitle) {
    send<void>(p.labelView, "setTitle:"_sel, fnd::string(title));
    send<void>(p.labelView, "setSubtitle:"_sel, fnd::string(subtitle));
  }
  void refresh() { send<void>(artwork, "updateVisibility"_sel); }
  double titleOffset() {
    return uikit::presentationContentOffset(send<id>(p.label("titleLabel"), "scrollView"_sel)).x;
  }
};

TEST_F(HeaderTextRefresh, TitleAtOnceThenArtistThenPlacement) {
  hostTexts("Night Drive", "The Lanterns");
  p.global<bool>("Expanded") = true;
  refresh();
  EXPECT_EQ(textOf(p.label("titleLabel")), "Night Drive");
  EXPECT_EQ(textOf(p.label("artistLabel")), "Nobody") << "the artist waits for the title's animation";
  EXPECT_EQ(frameOf(p.label("titleLabel")).origin.x, 0);

  Platter::settle();
  EXPECT_EQ(textOf(p.label("artistLabel")), "The Lanterns");
  double stackX = frameOf(p.label("labelStackView")).origin.x;
  EXPECT_DOUBLE_EQ(frameOf(p.label("titleLabel")).origin.x, -stackX - 60 + 6) << "placed after both";
}

TEST_F(HeaderTextRefresh, WithoutHostLabelViewBothLabelsEmpty) {
  Ref<>::adopt(std::exchange(p.global<id>("mruLabel"), nil));
  refresh();
  Platter::settle();
  EXPECT_EQ(send<id>(p.label("titleLabel"), "text"_sel), nil);
  EXPECT_EQ(send<id>(p.label("artistLabel"), "text"_sel), nil);
}

TEST_F(HeaderTextRefresh, UnchangedTitleKeepsScrolling) {
  hostTexts(kLongTitle, "First");
  refresh();
  fnd::RunLoop::main().runFor(5);
  double moving = titleOffset();
  ASSERT_GT(moving, 0) << "the title moves after its 4 s rest";

  hostTexts(kLongTitle, "Second");
  refresh();
  Platter::settle();
  EXPECT_EQ(textOf(p.label("artistLabel")), "Second");
  EXPECT_GT(titleOffset(), moving) << "the title's run goes on";

  hostTexts("Short", "Second");
  refresh();
  Platter::settle();
  EXPECT_EQ(titleOffset(), 0) << "a new title starts over";
}

TEST(HeaderTextRefreshOff, CenterLabelOffChangesNothing) {
  Platter p({{"kEnabled", true}, {"CenterLabel", false}});
  p.showHeader();
  send<void>(p.labelView, "setTitle:"_sel, fnd::string("Night Drive"));
  send<void>(rt::create("MRUArtworkView"), "updateVisibility"_sel);
  Platter::settle();
  EXPECT_EQ(send<id>(p.header, "titleLabel"_sel), nil);
  EXPECT_EQ(static_cast<UIView*>(p.header.get())->subviews.size(), 0u);
}

}  // namespace
