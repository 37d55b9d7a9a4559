#include <gtest/gtest.h>

#include "header_support.h"
#include "host/springboard_classes.h"
#include "uikit/application.h"
#include "uikit/gesture_recognizer.h"
#include "uikit/touch_injector.h"

namespace {

using testing_support::frameOf;
using testing_support::makeView;
using testing_support::Platter;

constexpr double kControlsWidth = 0;  // no controls view framed on the platter

bool hidden(id view) { return send<bool>(view, "isHidden"_sel); }

TEST(LabelView, PlatterFrameIsFixedAndCapturesTheView) {
  Platter p({{"kEnabled", true}});
  Ref<> elsewhere = makeView("MRUNowPlayingLabelView");
  send<void>(elsewhere, "setContext:"_sel, NSInteger(1));
  send<void>(p.labelView, "setFrame:"_sel, CGRectMake(20, 320, 250, 55));
  CGRect f = frameOf(p.labelView);
  EXPECT_DOUBLE_EQ(f.origin.x, (kControlsWidth * 0.5 - 112.5) + 40);
  EXPECT_EQ(f.origin.y, 315);
  EXPECT_EQ(f.size.width, 225);
  EXPECT_EQ(f.size.height, 55);
  EXPECT_EQ(p.global<id>("mruLabel"), p.labelView.get());

  send<void>(elsewhere, "setFrame:"_sel, CGRectMake(20, 320, 250, 55));
  EXPECT_EQ(frameOf(elsewhere).origin.x, 20);
  EXPECT_EQ(frameOf(elsewhere).size.width, 250);
  EXPECT_EQ(p.global<id>("mruLabel"), p.labelView.get());

  Ref<> newer = makeView("MRUNowPlayingLabelView");
  send<void>(newer, "setFrame:"_sel, CGRectMake(0, 0, 10, 10));
  EXPECT_EQ(p.global<id>("mruLabel"), newer.get()) << "the last one framed on the platter";
  EXPECT_EQ(p.labelView->refcount, 1u) << "the older one is let go";
}

TEST(LabelView, FirstWindowOnThePlatterAddsTheTapAndHidesTheHostTexts) {
  Platter p({{"kEnabled", true}});
  send<void>(p.labelView, "setLayout:"_sel, NSInteger(3));
  send<void>(p.window, "addSubview:"_sel, p.labelView);
  EXPECT_TRUE(uikit::tapRecognizers(p.labelView).empty());
  EXPECT_FALSE(p.global<bool>("LfirstTimeLoaded")) << "another layout leaves the flag";
  send<void>(p.labelView, "removeFromSuperview"_sel);

  send<void>(p.labelView, "setLayout:"_sel, NSInteger(4));
  send<void>(p.labelView, "setUserInteractionEnabled:"_sel, false);
  send<void>(p.window, "addSubview:"_sel, p.labelView);
  EXPECT_EQ(uikit::tapRecognizers(p.labelView).size(), 1u);
  EXPECT_TRUE(send<bool>(p.labelView, "isUserInteractionEnabled"_sel));
  EXPECT_TRUE(p.global<bool>("LfirstTimeLoaded"));
  for (const char* part : {"routeLabel", "titleMarqueeView", "subtitleMarqueeView"})
    EXPECT_TRUE(hidden(send<id>(p.labelView, sel_registerName(part)))) << part;

  send<void>(p.labelView, "removeFromSuperview"_sel);
  send<void>(p.window, "addSubview:"_sel, p.labelView);
  EXPECT_EQ(uikit::tapRecognizers(p.labelView).size(), 1u) << "set up once";
}

TEST(LabelView, CenterLabelOffKeepsTheHostTexts) {
  Platter p({{"kEnabled", true}, {"CenterLabel", false}});
  send<void>(p.window, "addSubview:"_sel, p.labelView);
  EXPECT_EQ(uikit::tapRecognizers(p.labelView).size(), 1u);
  for (const char* part : {"routeLabel", "titleMarqueeView", "subtitleMarqueeView"})
    EXPECT_FALSE(hidden(send<id>(p.labelView, sel_registerName(part)))) << part;
}

TEST(TransportControls, PlatterLayoutPlacesThemUnderTheLabels) {
  Platter p({{"kEnabled", true}});
  Ref<> controls = makeView("MRUNowPlayingTransportControlsView");
  send<void>(controls, "setFrame:"_sel, CGRectMake(10, 200, 300, 44));
  CGRect f = frameOf(controls);
  EXPECT_DOUBLE_EQ(f.origin.x, kControlsWidth * 0.5 - 125);
  EXPECT_EQ(f.origin.y, 420);
  EXPECT_EQ(f.size.width, 250);
  EXPECT_EQ(f.size.height, 44);
  EXPECT_FALSE(send<bool>(controls, "translatesAutoresizingMaskIntoConstraints"_sel));

  Ref<> other = makeView("MRUNowPlayingTransportControlsView");
  send<void>(other, "setLayout:"_sel, NSInteger(2));
  send<void>(other, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, true);
  send<void>(other, "setFrame:"_sel, CGRectMake(10, 200, 300, 44));
  EXPECT_EQ(frameOf(other).origin.x, 10);
  EXPECT_EQ(frameOf(other).origin.y, 200);
  EXPECT_TRUE(send<bool>(other, "translatesAutoresizingMaskIntoConstraints"_sel));
}

// Taps on the header's texts and on the host label view open what plays.
struct OpeningTheApplication : ::testing::Test {
  Platter p{{{"kEnabled", true}}};
  Ref<> springBoard;
  std::unique_ptr<uikit::TouchInjector> finger;

  void SetUp() override {
    springBoard = rt::create("SpringBoard");
    send<void>(p.labelView, "setFrame:"_sel, CGRectMake(0, 0, 250, 55));
    p.showHeader(CGRectMake(0, 0, 359, 200));
    finger = std::make_unique<uikit::TouchInjector>(p.window);
  }

  void play(const char* bundle) {
    Ref<> app = rt::create("SBApplication");
    send<void>(app, "setBundleIdentifier:"_sel, fnd::string(bundle));
    send<void>(mediaController(), "setNowPlayingApplication:"_sel, app);
  }
  static id mediaController() { return send<id>(objc_getClass("SBMediaController"), "sharedInstance"_sel); }
  static long unlocks() {
    return send<long>(send<id>(objc_getClass("SBLockScreenManager"), "sharedInstance"_sel), "unlockRequests"_sel);
  }
  // The middle of one of the header's labels, in the window.
  CGPoint middleOf(const char* label) {
    CGRect stack = frameOf(p.label("labelStackView"));
    CGRect f = frameOf(p.label(label));
    return {stack.origin.x + f.origin.x + f.size.width / 2, stack.origin.y + f.origin.y + f.size.height / 2};
  }
};

TEST_F(OpeningTheApplication, TapOnTheTitleLaunchesThenAsksToUnlock) {
  play("com.example.player");
  finger->tap(middleOf("titleLabel"));
  const auto& launches = uikit::applicationLaunches();
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].identifier, "com.example.player");
  EXPECT_FALSE(launches[0].suspended);
  EXPECT_EQ(unlocks(), 1);

  finger->tap(middleOf("artistLabel"));
  EXPECT_EQ(launches.size(), 2u);
  EXPECT_EQ(unlocks(), 2) << "each tap asks again";
}

TEST_F(OpeningTheApplication, NothingPlayingMeansNothingHappens) {
  finger->tap(middleOf("titleLabel"));
  send<void>(p.labelView, "openNowPlayingApplication"_sel);
  EXPECT_TRUE(uikit::applicationLaunches().empty());
  EXPECT_EQ(unlocks(), 0);
}

TEST_F(OpeningTheApplication, HostLabelViewTapOpensToo) {
  send<void>(p.window, "addSubview:"_sel, p.labelView);
  play("com.example.radio");
  CGRect f = frameOf(p.labelView);
  finger->tap({f.origin.x + f.size.width - 20, f.origin.y + 10});
  ASSERT_EQ(uikit::applicationLaunches().size(), 1u);
  EXPECT_EQ(uikit::applicationLaunches()[0].identifier, "com.example.radio");
  EXPECT_EQ(unlocks(), 1);
}

}  // namespace
