#pragma once
// `--set KEY=true|false` (one stored setting), `--settings FILE` and `--profile NAME`, as
// every command that boots a device takes them.
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/device.h"

namespace lv::sim {

struct StoredSetting {
  std::string key;
  bool value;
};

// The setting keys, comma-separated.
std::string knownSettingKeys();

// What is wrong with `text`, or nothing when it is a valid KEY=true|false.
std::optional<std::string> settingError(const std::string& text);

// Only for text that settingError accepted.
StoredSetting parseSetting(const std::string& text);

// The settings stored in `file`, a property list as the preferences keep it. InputError,
// without the file's name, when it cannot be used: unreadable, not a property list, an
// unknown key or a value that is not a boolean.
prefs::BoolSettings readStoredSettings(const std::filesystem::path& file);

// Adds settings that settingError accepted to `boot`; a later one for a key wins.
void addSettingOptions(lv::host::BootOptions& boot, const std::vector<std::string>& settings);

}  // namespace lv::sim
