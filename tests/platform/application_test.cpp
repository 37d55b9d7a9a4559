#include <gtest/gtest.h>

#include "foundation/values.h"
#include "uikit/application.h"
#include "uikit/feedback_generator.h"

namespace {

id shared() { return send<id>(objc_getClass("UIApplication"), "sharedApplication"_sel); }

TEST(UIApplication, APlainOneServesUntilTheHostMakesItsOwnWhichThenStays) {
  id plain = shared();
  ASSERT_NE(plain, nil);
  EXPECT_EQ(plain->isa, objc_getClass("UIApplication"));
  EXPECT_EQ(shared(), plain);
  Class cls = objc_allocateClassPair(objc_getClass("UIApplication"), "TestSpringBoard", 0);
  objc_registerClassPair(cls);
  Ref<> board = rt::create(cls);
  EXPECT_EQ(shared(), board.get());
  Ref<> second = rt::create(objc_getClass("UIApplication"));
  EXPECT_EQ(shared(), board.get());
}

TEST(UIApplication, LaunchesAreRecorded) {
  rt::AutoreleasePool pool;
  SEL launch = "launchApplicationWithIdentifier:suspended:"_sel;
  EXPECT_TRUE(send<bool>(shared(), launch, fnd::string("com.example.music"), false));
  EXPECT_TRUE(send<bool>(shared(), launch, fnd::string("com.example.podcasts"), true));
  EXPECT_FALSE(send<bool>(shared(), launch, nil, false));
  const auto& launches = uikit::applicationLaunches();
  ASSERT_EQ(launches.size(), 2u);
  EXPECT_EQ(launches[0].identifier, "com.example.music");
  EXPECT_FALSE(launches[0].suspended);
  EXPECT_EQ(launches[1].identifier, "com.example.podcasts");
  EXPECT_TRUE(launches[1].suspended);
}

TEST(UIImpactFeedbackGenerator, PreparationsAndImpactsAreRecordedWithTheirStyle) {
  Class cls = objc_getClass("UIImpactFeedbackGenerator");
  Ref<> plain = rt::create(cls);
  send<void>(plain, "prepare"_sel);
  send<void>(plain, "impactOccurred"_sel);
  Ref<> heavy = rt::create(cls, "initWithStyle:"_sel, 2L);
  send<void>(heavy, "impactOccurred"_sel);
  EXPECT_EQ(uikit::hapticRecord().prepares, 1);
  EXPECT_EQ(uikit::hapticRecord().impacts, (std::vector<NSInteger>{1, 2}));
}

}  // namespace
