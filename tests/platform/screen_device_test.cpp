#include <gtest/gtest.h>

#include "foundation/values.h"
#include "uikit/screen.h"

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

}  // namespace
