#include <gtest/gtest.h>

#include "foundation/values.h"
#include "uikit/application.h"
#include "uikit/feedback_generator.h"
#include "uikit/screen.h"
#include "view_support.h"

namespace {

id mainScreen() { return send<id>(objc_getClass("UIScreen"), "mainScreen"_sel); }

// The screen is the host's to plug in, replace or remove; one replaced or removed is freed.
TEST(Screen, MainScreenFollowsTheHostsKnob) {
  uikit::setMainScreen({1170, 2532}, 3);
  EXPECT_EQ(send<CGRect>(mainScreen(), "nativeBounds"_sel), CGRectMake(0, 0, 1170, 2532));
  EXPECT_EQ(send<CGRect>(mainScreen(), "bounds"_sel), CGRectMake(0, 0, 390, 844));
  long before = rt::liveObjectCount();
  uikit::setMainScreen({1620, 2160}, 2);
  EXPECT_EQ(send<CGFloat>(mainScreen(), "scale"_sel), 2.0);
  EXPECT_EQ(rt::liveObjectCount(), before);
  uikit::removeMainScreen();
  EXPECT_EQ(mainScreen(), nil);
  EXPECT_EQ(rt::liveObjectCount(), before - 1);
  EXPECT_DEATH(uikit::setMainScreen({100, 100}, 0), "scale must be positive");
}

id shared() { return send<id>(objc_getClass("UIApplication"), "sharedApplication"_sel); }

TEST(UIApplication, APlainOneServesUntilTheHostMakesItsOwnWhichThenStays) {
  static bool ran = false;
  if (std::exchange(ran, true)) GTEST_SKIP() << "the shared application lives for the process";
  id plain = shared();
  ASSERT_NE(plain, nil);
  EXPECT_EQ(plain->isa, objc_getClass("UIApplication"));
  EXPECT_EQ(shared(), plain);
  Ref<> board = rt::create(testing_support::makeSubclass("UIApplication", "TestSpringBoard"));
  EXPECT_EQ(shared(), board.get());
  Ref<> second = rt::create(objc_getClass("UIApplication"));
  EXPECT_EQ(shared(), board.get());
}

// Launches and haptics are recorded in order, with what was asked; a launch needs an identifier.
TEST(UIApplication, LaunchesAndImpactsAreRecorded) {
  SEL launch = "launchApplicationWithIdentifier:suspended:"_sel;
  size_t launched = uikit::applicationLaunches().size();
  EXPECT_TRUE(send<bool>(shared(), launch, fnd::string("com.example.music"), false));
  EXPECT_TRUE(send<bool>(shared(), launch, fnd::string("com.example.podcasts"), true));
  EXPECT_FALSE(send<bool>(shared(), launch, nil, false));
  std::vector<std::pair<std::string, bool>> launches;
  for (size_t i = launched; i < uikit::applicationLaunches().size(); ++i)
    launches.emplace_back(uikit::applicationLaunches()[i].identifier, uikit::applicationLaunches()[i].suspended);
  EXPECT_EQ(launches, (decltype(launches){{"com.example.music", false}, {"com.example.podcasts", true}}));

  Class cls = objc_getClass("UIImpactFeedbackGenerator");
  uikit::HapticRecord before = uikit::hapticRecord();
  Ref<> plain = rt::create(cls), heavy = rt::create(cls, "initWithStyle:"_sel, 2L);
  send<void>(plain, "prepare"_sel);
  send<void>(plain, "impactOccurred"_sel);
  send<void>(heavy, "impactOccurred"_sel);
  const uikit::HapticRecord& after = uikit::hapticRecord();
  EXPECT_EQ(after.prepares, before.prepares + 1);
  EXPECT_EQ(std::vector<NSInteger>(after.impacts.begin() + before.impacts.size(), after.impacts.end()),
            (std::vector<NSInteger>{1, 2}));
}

}  // namespace
