#include <gtest/gtest.h>

#include "header_scene.h"
#include "support/geometry_printers.h"
#include "uikit/gesture_recognizer.h"

namespace {

using namespace testing_support;

constexpr const char* kHostTexts[] = {"routeLabel", "titleMarqueeView", "subtitleMarqueeView"};
const CGRect kAsked = CGRectMake(20, 320, 250, 55);

// The first label view on the platter to reach a window takes taps and hides the host's
// texts; the last one framed there is captured, at a fixed frame.
TEST(LabelView, FirstOnThePlatterInAWindowTakesTapsAndTheOneFramedThereIsCaptured) {
  HeaderScene s;
  Ref<> elsewhere = HeaderScene::makeHostView("MRUNowPlayingLabelView", 3);
  send<void>(s.screen->window(), "addSubview:"_sel, elsewhere);
  EXPECT_TRUE(uikit::tapRecognizers(elsewhere.get()).empty());
  EXPECT_FALSE(s.screen->global<bool>("LfirstTimeLoaded")) << "another layout leaves the flag";
  send<void>(elsewhere, "removeFromSuperview"_sel);

  s.screen->play(song());
  id labelView = s.labelView();
  EXPECT_EQ(uikit::tapRecognizers(labelView).size(), 1u);
  EXPECT_TRUE(s.screen->global<bool>("LfirstTimeLoaded"));
  for (const char* text : kHostTexts) EXPECT_TRUE(hiddenOf(member(labelView, text))) << text;
  send<void>(labelView, "removeFromSuperview"_sel);
  send<void>(s.header(), "addSubview:"_sel, labelView);
  EXPECT_EQ(uikit::tapRecognizers(labelView).size(), 1u) << "set up once";

  setFrame(labelView, kAsked);
  EXPECT_EQ(frameOf(labelView), CGRectMake((s.controlsWidth() * 0.5 - 112.5) + 40, 315, 225, 55));
  EXPECT_EQ(s.screen->global<id>("mruLabel"), labelView);
  send<void>(elsewhere, "setContext:"_sel, NSInteger(1));
  setFrame(elsewhere.get(), kAsked);
  EXPECT_EQ(frameOf(elsewhere.get()), kAsked);
  EXPECT_EQ(s.screen->global<id>("mruLabel"), labelView) << "another context leaves the capture";
  Ref<> newer = HeaderScene::makeHostView("MRUNowPlayingLabelView");
  EXPECT_EQ(s.screen->global<id>("mruLabel"), newer.get()) << "the last one framed on the platter";
}

// Taps on the header's texts, or on the host label view when they are off, open what plays.
TEST(OpeningTheApplication, TapsOnTheTitleAndArtistLaunchThenAskToUnlockWhileAnAppPlays) {
  HeaderScene s;
  s.screen->play(song());
  const auto& launches = s.screen->launches();
  for (const char* label : {"titleLabel", "artistLabel"}) {
    s.screen->tap(s.screen->centreInWindow(s.label(label)));
    ASSERT_EQ(launches.size(), label[0] == 't' ? 1u : 2u) << label;
    EXPECT_EQ(launches.back().identifier, "com.example.player");
    EXPECT_FALSE(launches.back().suspended);
    EXPECT_EQ(s.screen->unlockRequests(), long(launches.size())) << "each tap asks again";
  }
  s.screen->play({"Song", "Artist", "", 215, lv::host::Artwork::generated()});
  s.screen->tap(s.screen->centreInWindow(s.label("titleLabel")));
  EXPECT_EQ(launches.size(), 2u) << "nothing to open";
  EXPECT_EQ(s.screen->unlockRequests(), 2);
}

TEST(OpeningTheApplication, HostLabelViewTakesTheTapWhenItsTextsShow) {
  HeaderScene s({{"CenterLabel", false}});
  s.screen->play(song());
  for (const char* text : kHostTexts) EXPECT_FALSE(hiddenOf(member(s.labelView(), text))) << text;
  s.screen->tap(s.screen->centreInWindow(member(s.labelView(), "titleMarqueeView")));
  ASSERT_EQ(s.screen->launches().size(), 1u);
  EXPECT_EQ(s.screen->launches()[0].identifier, "com.example.player");
  EXPECT_EQ(s.screen->unlockRequests(), 1);
}

}  // namespace
