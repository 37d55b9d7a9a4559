#include <gtest/gtest.h>

#include <filesystem>

#include "host/settings.h"
#include "prefs/preferences.h"
#include "support/lock_screen_helpers.h"

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

TEST(DeviceBoot, SettingsLiveInAFolderOfTheirOwn) {
  std::filesystem::path folder;
  {
    auto device = testing_support::bootDevice({.settings = {{"kEnabled", true}, {"ShowTime", false}}});
    folder = device->settingsDirectory();
    EXPECT_EQ(prefs::settingsDirectory(), folder);
    auto stored = prefs::readSettingsFile(prefs::settingsFile(lv::host::kPreferencesIdentifier));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored.value().values, (prefs::BoolSettings{{"kEnabled", true}, {"ShowTime", false}}));
  }
  EXPECT_FALSE(std::filesystem::exists(folder)) << "removed with the device";
}

}  // namespace
