#include <gtest/gtest.h>

#include <utility>

#include "header_support.h"
#include "uikit/view_animation.h"

namespace {

using testing_support::frameOf;
using testing_support::Platter;

// Without a controls view framed on the platter the controls' width reads 0, so the
// controls' middle is at 0 and the host label view is framed at x -72.5.
constexpr double kControlsWidth = 0;

struct Placement : ::testing::Test {
  Platter p{{{"kEnabled", true}}};

  void SetUp() override {
    send<void>(p.labelView, "setFrame:"_sel, CGRectMake(0, 0, 250, 55));
    p.showHeader(CGRectMake(0, 0, 359, 200));
  }

  double stackX() const { return frameOf(p.label("labelStackView")).origin.x; }
  void expand(bool on) { p.global<bool>("Expanded") = on; }
};

TEST_F(Placement, EnlargedArtworkCentresFittingTextsAndOffsetsWideOnes) {
  p.setHostText("titleMarqueeView"_sel, 225);
  p.setHostText("subtitleMarqueeView"_sel, 226);
  expand(true);
  send<void>(p.header, "centreFrameWithoutAnimation"_sel);

  CGRect title = frameOf(p.label("titleLabel"));
  CGRect artist = frameOf(p.label("artistLabel"));
  EXPECT_DOUBLE_EQ(title.origin.x, kControlsWidth * 0.5 - stackX() - 112.5 + 6);
  EXPECT_DOUBLE_EQ(artist.origin.x, kControlsWidth * 0.5 - stackX() - 112);
  EXPECT_EQ(title.origin.y, 0);
  EXPECT_EQ(artist.origin.y, 30);
  EXPECT_EQ(title.size.width, 225);
  EXPECT_EQ(artist.size.height, 30);

  p.setHostText("titleMarqueeView"_sel, 100);
  send<void>(p.header, "centreFrameWithoutAnimation"_sel);
  EXPECT_DOUBLE_EQ(frameOf(p.label("titleLabel")).origin.x, kControlsWidth * 0.5 - stackX() - 50 + 6);
  EXPECT_DOUBLE_EQ(frameOf(p.label("artistLabel")).origin.x, kControlsWidth * 0.5 - stackX() - 112);
}

TEST_F(Placement, SmallArtworkBringsBothLabelsHome) {
  expand(true);
  send<void>(p.header, "centreFrameWithoutAnimation"_sel);
  expand(false);
  send<void>(p.header, "centreFrameWithoutAnimation"_sel);
  for (const char* label : {"titleLabel", "artistLabel"}) {
    CGPoint centre = send<CGPoint>(p.label(label), "center"_sel);
    EXPECT_EQ(centre.x, 112) << label;
  }
  EXPECT_EQ(frameOf(p.label("titleLabel")).origin.y, 0);
  EXPECT_EQ(frameOf(p.label("artistLabel")).origin.y, 30);
}

TEST_F(Placement, CentreFrameMovesBothLabelsTogetherOverAThirdOfASecond) {
  expand(true);
  send<void>(p.header, "centreFrame"_sel);
  double target = kControlsWidth * 0.5 - stackX() - 60 + 6;
  EXPECT_DOUBLE_EQ(frameOf(p.label("titleLabel")).origin.x, target) << "the model moves at once";

  fnd::RunLoop::main().runFor(0.15);
  for (const char* label : {"titleLabel", "artistLabel"}) {
    double shown = uikit::presentationFrame(p.label(label)).origin.x;
    EXPECT_LT(shown, 0) << label;
    EXPECT_GT(shown, frameOf(p.label(label)).origin.x) << label;
  }
  fnd::RunLoop::main().runFor(0.2);
  EXPECT_DOUBLE_EQ(uikit::presentationFrame(p.label("titleLabel")).origin.x, target);
  EXPECT_DOUBLE_EQ(uikit::presentationFrame(p.label("artistLabel")).origin.x,
                   kControlsWidth * 0.5 - stackX() - 40 + 6);
}

TEST(PlacementWithoutHostLabel, MissingLabelViewCountsAsNoText) {
  Platter p({{"kEnabled", true}});
  Ref<>::adopt(std::exchange(p.global<id>("mruLabel"), nil));
  p.showHeader();
  p.global<bool>("Expanded") = true;
  send<void>(p.header, "centreFrameWithoutAnimation"_sel);
  double stackX = frameOf(p.label("labelStackView")).origin.x;
  EXPECT_DOUBLE_EQ(frameOf(p.label("titleLabel")).origin.x, kControlsWidth * 0.5 - stackX + 6);
}

TEST(PlacementAtBuild, EnlargedArtworkStartsLabelsCentredOnTheControls) {
  Platter p({{"kEnabled", true}});
  send<void>(p.labelView, "setFrame:"_sel, CGRectMake(0, 0, 250, 55));
  p.setHostText("titleMarqueeView"_sel, 100);
  p.global<bool>("Expanded") = true;
  p.showHeader();
  double hostX = frameOf(p.labelView).origin.x;
  EXPECT_DOUBLE_EQ(frameOf(p.label("titleLabel")).origin.x, kControlsWidth * 0.5 - hostX - 50 + 6);
  EXPECT_DOUBLE_EQ(frameOf(p.label("artistLabel")).origin.x, kControlsWidth * 0.5 - hostX - 40 + 6);
}

}  // namespace
