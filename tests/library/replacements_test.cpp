#include <gtest/gtest.h>

#include "support/lock_screen_helpers.h"
#include "uikit/screen.h"

namespace {

using testing_support::bootDevice;

// In every context, anywhere in the bounds and nowhere else.
TEST(Replacements, TimeControlsTakeTouchesAnywhereInTheirBounds) {
  auto device = bootDevice();
  Ref<> controls = rt::create(objc_getClass("MRUNowPlayingTimeControlsView"), "initWithFrame:primaryAction:"_sel,
                              CGRectZero, nil);
  send<void>(controls, "setContext:"_sel, NSInteger(0));  // framed as asked
  testing_support::setFrame(controls.get(), CGRectMake(45, 375, 300, 30));
  for (NSInteger context : {0, 2}) {
    send<void>(controls, "setContext:"_sel, context);
    for (auto [point, inside] : {std::pair{CGPointMake(0, 0), true}, {CGPointMake(299.5, 29.5), true},
                                 {CGPointMake(300, 10), false}, {CGPointMake(10, -0.5), false}})
      EXPECT_EQ(send<bool>(controls, "pointInside:withEvent:"_sel, point, nil), inside) << context << " " << point.x;
  }
}

TEST(SmallDevice, SmallWhenAtMost750PixelsWideAskedAnewEachTime) {
  auto device = bootDevice({.profile = "small-phone"});
  EXPECT_TRUE(device->library().isSmallDeviceSB());
  for (CGSize pixels : {CGSizeMake(828, 1792), CGSizeMake(750.5, 1334)}) {
    uikit::setMainScreen(pixels, 2);
    EXPECT_FALSE(device->library().isSmallDeviceSB()) << pixels.width;
  }
}

TEST(SmallDevice, NoMainScreenCountsAsSmall) {
  lv::host::BootOptions options;
  options.mainScreen = false;
  EXPECT_TRUE(lv::host::Device::boot(options)->library().isSmallDeviceSB());
}

}  // namespace
