#include <gtest/gtest.h>

#include "geometry_printers.h"
#include "header_scene.h"
#include "uikit/gesture_recognizer.h"

namespace {

using namespace testing_support;

constexpr const char* kHostTexts[] = {"routeLabel", "titleMarqueeView", "subtitleMarqueeView"};

TEST(LabelView, PlatterFrameIsFixedAndCapturesTheView) {
  HeaderScene s;
  s.screen->play(song());
  id labelView = s.labelView();
  double height = frameOf(labelView).size.height;
  send<void>(labelView, "setFrame:"_sel, CGRectMake(20, 320, 250, 55));
  EXPECT_EQ(frameOf(labelView), CGRectMake((s.controlsWidth() * 0.5 - 112.5) + 40, 315, 225, 55));
  EXPECT_NE(height, 55);
  EXPECT_EQ(s.global<id>("mruLabel"), labelView);

  Ref<> elsewhere = HeaderScene::makeHostView("MRUNowPlayingLabelView");
  send<void>(elsewhere, "setContext:"_sel, NSInteger(1));
  send<void>(labelView, "setFrame:"_sel, CGRectMake(20, 320, 250, 55));
  send<void>(elsewhere, "setFrame:"_sel, CGRectMake(20, 320, 250, 55));
  EXPECT_EQ(frameOf(elsewhere), CGRectMake(20, 320, 250, 55));
  EXPECT_EQ(s.global<id>("mruLabel"), labelView) << "another context leaves the capture";

  Ref<> newer = HeaderScene::makeHostView("MRUNowPlayingLabelView");
  EXPECT_EQ(s.global<id>("mruLabel"), newer.get()) << "the last one framed on the platter";
}

TEST(LabelView, FirstOnThePlatterToReachAWindowTakesTapsAndHidesTheHostTexts) {
  HeaderScene s;
  Ref<> elsewhere = HeaderScene::makeHostView("MRUNowPlayingLabelView", 3);
  send<void>(s.screen->window(), "addSubview:"_sel, elsewhere);
  EXPECT_TRUE(uikit::tapRecognizers(elsewhere).empty());
  EXPECT_FALSE(s.global<bool>("LfirstTimeLoaded")) << "another layout leaves the flag";
  send<void>(elsewhere, "removeFromSuperview"_sel);

  s.screen->play(song());
  id labelView = s.labelView();
  EXPECT_EQ(uikit::tapRecognizers(labelView).size(), 1u);
  EXPECT_TRUE(send<bool>(labelView, "isUserInteractionEnabled"_sel));
  EXPECT_TRUE(s.global<bool>("LfirstTimeLoaded"));
  for (const char* text : kHostTexts) EXPECT_TRUE(hiddenOf(member(labelView, text))) << text;

  send<void>(labelView, "removeFromSuperview"_sel);
  send<void>(s.header(), "addSubview:"_sel, labelView);
  EXPECT_EQ(uikit::tapRecognizers(labelView).size(), 1u) << "set up once";
}

TEST(LabelView, CenterLabelOffTakesTapsAndKeepsTheHostTexts) {
  HeaderScene s({{"CenterLabel", false}});
  s.screen->play(song());
  EXPECT_EQ(uikit::tapRecognizers(s.labelView()).size(), 1u);
  for (const char* text : kHostTexts) EXPECT_FALSE(hiddenOf(member(s.labelView(), text))) << text;
}

TEST(TransportControls, PlatterLayoutPlacesThemUnderTheLabels) {
  HeaderScene s;
  s.screen->play(song());
  id controls = s.screen->firstView("MRUNowPlayingTransportControlsView");
  double height = frameOf(controls).size.height;
  EXPECT_EQ(frameOf(controls), CGRectMake(s.controlsWidth() * 0.5 - 125, 420, 250, height));
  send<void>(controls, "setFrame:"_sel, CGRectMake(10, 200, 300, 52));
  EXPECT_EQ(frameOf(controls), CGRectMake(s.controlsWidth() * 0.5 - 125, 420, 250, 52));
  EXPECT_FALSE(send<bool>(controls, "translatesAutoresizingMaskIntoConstraints"_sel));

  Ref<> other = HeaderScene::makeHostView("MRUNowPlayingTransportControlsView", 2);
  send<void>(other, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, true);
  send<void>(other, "setFrame:"_sel, CGRectMake(10, 200, 300, 44));
  EXPECT_EQ(frameOf(other), CGRectMake(10, 200, 300, 44));
  EXPECT_TRUE(send<bool>(other, "translatesAutoresizingMaskIntoConstraints"_sel));
}

// Taps on the header's texts, or on the host label view when they are off, open what plays.
TEST(OpeningTheApplication, TapsOnTheTitleAndArtistLaunchThenAskToUnlock) {
  HeaderScene s;
  s.screen->play(song());
  s.screen->tap(s.screen->centreInWindow(s.label("titleLabel")));
  const auto& launches = s.screen->launches();
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].identifier, "com.example.player");
  EXPECT_FALSE(launches[0].suspended);
  EXPECT_EQ(s.screen->unlockRequests(), 1);

  s.screen->tap(s.screen->centreInWindow(s.label("artistLabel")));
  EXPECT_EQ(launches.size(), 2u);
  EXPECT_EQ(s.screen->unlockRequests(), 2) << "each tap asks again";
}

TEST(OpeningTheApplication, NothingPlayingMeansNothingHappens) {
  HeaderScene s;
  host::Track track = song();
  track.app.clear();
  s.screen->play(track);
  s.screen->tap(s.screen->centreInWindow(s.label("titleLabel")));
  EXPECT_TRUE(s.screen->launches().empty());
  EXPECT_EQ(s.screen->unlockRequests(), 0);
}

TEST(OpeningTheApplication, HostLabelViewTapOpensWhenItsTextsShow) {
  HeaderScene s({{"CenterLabel", false}});
  s.screen->play(song());
  s.screen->tap(s.screen->centreInWindow(member(s.labelView(), "titleMarqueeView")));
  ASSERT_EQ(s.screen->launches().size(), 1u);
  EXPECT_EQ(s.screen->launches()[0].identifier, "com.example.player");
  EXPECT_EQ(s.screen->unlockRequests(), 1);
}

}  // namespace
