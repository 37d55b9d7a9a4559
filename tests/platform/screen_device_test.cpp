#include <gtest/gtest.h>

#include "foundation/values.h"
#include "uikit/screen.h"

namespace {

id mainScreen() { return send<id>(objc_getClass("UIScreen"), "mainScreen"_sel); }

TEST(Screen, MainScreenFollowsTheHostsKnob) {
  uikit::removeMainScreen();
  EXPECT_EQ(mainScreen(), nil) << "no screen until the host plugs one in";
  uikit::setMainScreen({1170, 2532}, 3);
  id screen = mainScreen();
  ASSERT_NE(screen, nil);
  EXPECT_EQ(send<CGRect>(screen, "nativeBounds"_sel), CGRectMake(0, 0, 1170, 2532));
  EXPECT_EQ(send<CGFloat>(screen, "scale"_sel), 3.0);
  EXPECT_EQ(send<CGRect>(screen, "bounds"_sel), CGRectMake(0, 0, 390, 844));

  uikit::setMainScreen({750, 1334}, 2);
  EXPECT_EQ(send<CGRect>(mainScreen(), "bounds"_sel), CGRectMake(0, 0, 375, 667));

  // A replaced or removed screen is freed.
  long before = rt::liveObjectCount();
  uikit::setMainScreen({1620, 2160}, 2);
  EXPECT_EQ(rt::liveObjectCount(), before);
  uikit::removeMainScreen();
  EXPECT_EQ(rt::liveObjectCount(), before - 1);
  EXPECT_DEATH(uikit::setMainScreen({100, 100}, 0), "scale must be positive");
}

}  // namespace
