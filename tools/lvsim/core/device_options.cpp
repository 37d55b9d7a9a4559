#include "tools/lvsim/core/device_options.h"

#include "host/settings.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/exit_codes.h"
#include "tools/lvsim/core/json_reading.h"
#include "tools/lvsim/core/settings_option.h"

int lv::sim::applyDeviceOptions(const DeviceOptions& options, lv::host::BootOptions& boot) {
  if (!options.profile.empty()) boot.profile = options.profile;
  if (!options.preferencesFolder.empty()) {
    try {
      for (auto& [identifier, values] : readPreferencesFolder(options.preferencesFolder))
        boot.preferences[identifier] = std::move(values);
    } catch (const InputError& e) {
      return fail(kUsageFault, options.preferencesFolder, e.what());
    }
  }
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
  if (!options.preferencesFolder.empty()) {
    try {
      for (std::filesystem::path& file : preferencesFiles(options.preferencesFolder)) files.push_back(std::move(file));
    } catch (const InputError&) {
      // applyDeviceOptions says why the folder cannot be read.
    }
  }
  if (!options.library.empty() && options.library != kNoLibrary) files.push_back(options.library);
  return files;
}

void lv::sim::chooseLibrary(lv::host::BootOptions& boot, const std::string& name, const std::filesystem::path& folder) {
  boot.loadLibrary = name != kNoLibrary;
  boot.library = boot.loadLibrary ? folder / name : std::filesystem::path();
}
