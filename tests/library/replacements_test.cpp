#include <gtest/gtest.h>

#include "lock_screen_helpers.h"
#include "foundation/values.h"
#include "host/host_geometry.h"
#include "uikit/screen.h"

namespace {

using testing_support::bootDevice;

TEST(Replacements, LegibilityStyleIsAlwaysOne) {
  auto device = bootDevice();
  Ref<> a = rt::create("_UILegibilitySettings");
  Ref<> b = rt::create("_UILegibilitySettings");
  send<void>(b, "setStyle:"_sel, NSInteger(0));
  EXPECT_EQ(send<NSInteger>(a, "style"_sel), 1);
  EXPECT_EQ(send<NSInteger>(b, "style"_sel), 1);
}

TEST(Replacements, FocusActivityViewNeverComesIntoBeing) {
  auto device = bootDevice({});
  long before = rt::liveObjectCount();
  Ref<> view = rt::create(objc_getClass("CSFocusActivityView"), "initWithFrame:"_sel,
                          CGRectMake(0, 0, 320, 80));
  EXPECT_EQ(view.get(), nil);
  EXPECT_EQ(rt::liveObjectCount(), before) << "the allocation is freed";
}

TEST(Replacements, TimeControlsTakeTouchesAnywhereInTheirBounds) {
  auto device = bootDevice();
  Ref<> controls = rt::create(objc_getClass("MRUNowPlayingTimeControlsView"), "initWithFrame:primaryAction:"_sel,
                              CGRectZero, nil);
  send<void>(controls, "setContext:"_sel, NSInteger(0));
  send<void>(controls, "setFrame:"_sel, CGRectMake(45, 375, 300, 30));
  send<void>(controls, "setContext:"_sel, NSInteger(2));
  const SEL inside = "pointInside:withEvent:"_sel;
  EXPECT_TRUE(send<bool>(controls, inside, CGPointMake(0, 0), nil));
  EXPECT_TRUE(send<bool>(controls, inside, CGPointMake(299.5, 29.5), nil));
  EXPECT_FALSE(send<bool>(controls, inside, CGPointMake(300, 10), nil));
  EXPECT_FALSE(send<bool>(controls, inside, CGPointMake(10, -0.5), nil));
  send<void>(controls, "setContext:"_sel, NSInteger(0));
  EXPECT_TRUE(send<bool>(controls, inside, CGPointMake(150, 15), nil)) << "in every context";
}

TEST(Replacements, ReplacementsThatCallTheirSlotReachTheHost) {
  auto device = bootDevice();
  Ref<> list = rt::create("CSCombinedListViewController");
  EXPECT_EQ(send<UIEdgeInsets>(list, "_listViewDefaultContentInsets"_sel), host::geometry::kListViewInsets);
  Ref<> controls = rt::create("MRUNowPlayingTimeControlsView");
  send<void>(controls, "setElapsedTimeFactor:"_sel, 0.25);
  double factor = 0;
  EXPECT_TRUE(rt::readIvar(controls, "_elapsedTimeFactor", factor));
  EXPECT_EQ(factor, 0.25);
}

TEST(SmallDevice, SmallWhenAtMost750PixelsWide) {
  auto device = bootDevice({.profile = "small-phone"});
  const host::Library& lib = device->library();
  EXPECT_TRUE(lib.isSmallDeviceSB());
  uikit::setMainScreen({828, 1792}, 2);
  EXPECT_FALSE(lib.isSmallDeviceSB()) << "asked anew each time";
  uikit::setMainScreen({1170, 2532}, 3);
  EXPECT_FALSE(lib.isSmallDeviceSB());
  uikit::setMainScreen({750.5, 1334}, 2);
  EXPECT_FALSE(lib.isSmallDeviceSB());
}

TEST(SmallDevice, NoMainScreenCountsAsSmall) {
  host::BootOptions options;
  options.mainScreen = false;
  auto device = host::Device::boot(options);
  EXPECT_TRUE(device->library().isSmallDeviceSB());
}

}  // namespace
