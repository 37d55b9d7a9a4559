#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "foundation/values.h"
#include "host/time_controls.h"
#include "host/settings.h"
#include "lock_screen_helpers.h"
#include "prefs/preferences.h"

namespace {

TEST(DeviceBoot, BadOptionsAreRefusedBeforeAnythingHappens) {
  const testing_support::Setup bad[] = {{.profile = "watch"}, {.without = {"NoSuchClass"}},
                                        {.settings = {{"kEnabld", true}}}};
  for (const auto& setup : bad) EXPECT_THROW(testing_support::bootDevice(setup), lv::host::BootError);
  EXPECT_EQ(objc_getClass("SpringBoard"), nullptr) << "nothing registered yet";
  auto device = lv::host::Device::boot({});
  EXPECT_NE(objc_getClass("SpringBoard"), nullptr);
  EXPECT_THROW(lv::host::Device::boot({}), lv::host::BootError) << "one device per process";
}

TEST(DeviceBoot, TabletProfileDrivesScreenAndDevice) {
  auto device = testing_support::bootDevice({.profile = "tablet", .systemVersion = "14.8.1"});
  id screen = send<id>(objc_getClass("UIScreen"), "mainScreen"_sel);
  EXPECT_EQ(send<CGRect>(screen, "nativeBounds"_sel), CGRectMake(0, 0, 1620, 2160));
  EXPECT_EQ(send<CGRect>(screen, "bounds"_sel), CGRectMake(0, 0, 810, 1080));
  id uiDevice = send<id>(objc_getClass("UIDevice"), "currentDevice"_sel);
  EXPECT_EQ(fnd::utf8(send<id>(uiDevice, "systemVersion"_sel)), "14.8.1");
  EXPECT_EQ(send<NSInteger>(uiDevice, "userInterfaceIdiom"_sel), 1);
}

TEST(DeviceBoot, SettingsLiveInAFolderOfTheirOwn) {
  std::filesystem::path folder;
  {
    auto device = testing_support::bootDevice({.settings = {{"kEnabled", true}, {"ShowTime", false}}});
    folder = device->settingsDirectory();
    EXPECT_EQ(prefs::settingsDirectory(), folder);
    prefs::SettingsRead stored = prefs::readSettingsFile(prefs::settingsFile(lv::host::kPreferencesIdentifier));
    EXPECT_EQ(stored.values, (prefs::BoolSettings{{"kEnabled", true}, {"ShowTime", false}}));
  }
  EXPECT_FALSE(std::filesystem::exists(folder)) << "removed with the device";
}

TEST(DeviceBoot, TimeControlsWriteTheirTexts) {
  EXPECT_EQ(lv::host::elapsedTimeText(65.9), "1:05");
  EXPECT_EQ(lv::host::remainingTimeText(215), "-3:35");
  EXPECT_EQ(lv::host::remainingTimeText(-2), "-0:00");
  EXPECT_EQ(lv::host::elapsedTimeText(std::nan("")), "0:00");
}

}  // namespace
