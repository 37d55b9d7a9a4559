#include "tools/lvsim/core/device_options.h"

#include "host/host_classes.h"
#include "host/settings.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/exit_codes.h"
#include "tools/lvsim/core/json_reading.h"
#include "tools/lvsim/core/settings_option.h"

namespace lv::sim {

namespace {

CLI::Validator hostClassName() {
  return CLI::Validator(
      [](std::string& name) -> std::string {
        return lv::host::isHostClass(name) ? "" : "unknown host class " + inQuotes(name);
      },
      "");
}

// An empty value would read as the option not given.
CLI::Validator named(const std::string& expected) {
  return CLI::Validator([expected](std::string& name) { return name.empty() ? "expected " + expected : ""; }, "");
}

std::string settingKeys() {
  std::string keys;
  for (std::string_view k : lv::host::kSettingKeys) keys += (keys.empty() ? "" : ", ") + std::string(k);
  return keys;
}

}  // namespace

}  // namespace lv::sim

void lv::sim::addDeviceOptions(CLI::App& command, DeviceOptions& options, const std::string& settingsNote) {
  command.add_option("--profile", options.profile, "Device profile (default phone)")
      ->type_name("phone|small-phone|tablet")
      ->check(profileName());
  command.add_option("--settings", options.settingsFile, "Stored settings: a property list, XML or binary")
      ->type_name("FILE")
      ->check(named("a file name"));
  command.add_option("--set", options.settings, "Stored setting, after --settings (repeatable" + settingsNote + "); KEY is " + settingKeys())
      ->type_name("KEY=true|false")
      ->check(storedSetting())
      ->allow_extra_args(false);
  command.add_option("--without", options.without, "Host class left out (repeatable)")
      ->type_name("CLASS")
      ->check(hostClassName())
      ->allow_extra_args(false);
  command.add_option("--library", options.library, "Shared library to load in place of the built one, or none")
      ->type_name("PATH|none")
      ->check(named("a file name or \"none\""));
}

int lv::sim::applyDeviceOptions(const DeviceOptions& options, lv::host::BootOptions& boot) {
  if (!options.profile.empty()) boot.profile = options.profile;
  if (!options.settingsFile.empty()) {
    try {
      for (const auto& [key, value] : readStoredSettings(options.settingsFile)) boot.settings[key] = value;
    } catch (const InputError& e) {
      return fail(kUsageFault, options.settingsFile, e.what());
    }
  }
  addSettingOptions(boot, options.settings);
  if (!options.without.empty()) boot.without = {options.without.begin(), options.without.end()};
  if (!options.library.empty()) chooseLibrary(boot, options.library);
  return kSuccess;
}

std::vector<std::filesystem::path> lv::sim::inputFiles(const DeviceOptions& options) {
  std::vector<std::filesystem::path> files;
  if (!options.settingsFile.empty()) files.push_back(options.settingsFile);
  if (!options.library.empty() && options.library != kNoLibrary) files.push_back(options.library);
  return files;
}

void lv::sim::chooseLibrary(lv::host::BootOptions& boot, const std::string& name, const std::filesystem::path& folder) {
  boot.loadLibrary = name != kNoLibrary;
  boot.library = boot.loadLibrary ? folder / name : std::filesystem::path();
}
