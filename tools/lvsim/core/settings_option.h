#pragma once
// `--set KEY=true|false` or `--set IDENTIFIER:KEY=VALUE` (one stored value), `--settings
// FILE` and `--preferences DIR`, as every command that boots a device takes them. The bare
// form, and the library's own identifier, take one of the library's setting keys and a
// boolean; another identifier takes any key, its VALUE stored as prefs::valueFromText
// says (true/false a boolean, a decimal number an integer or a real, else a string).
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/device.h"

namespace lv::sim {

struct StoredSetting {
  std::string identifier;  // empty: the library's own
  std::string key;
  std::string value;  // as given
};

// The setting keys, comma-separated.
std::string knownSettingKeys();

// What is wrong with `text`, or nothing when it is a valid KEY=true|false or
// IDENTIFIER:KEY=VALUE.
std::optional<std::string> settingError(const std::string& text);

// Only for text that settingError accepted.
StoredSetting parseSetting(const std::string& text);

// The settings stored in `file`, a property list as the preferences keep it. InputError,
// without the file's name, when it cannot be used: unreadable, not a property list, an
// unknown key or a value that is not a boolean.
prefs::BoolSettings readStoredSettings(const std::filesystem::path& file);

// What a preferences folder holds, in name order; InputError when it cannot be listed.
std::vector<std::filesystem::path> preferencesFiles(const std::filesystem::path& folder);

// The stored values of every IDENTIFIER.plist in `folder`, as they are. InputError, without
// the folder's name, for a folder that cannot be listed, an entry named otherwise, or a
// file that is no property list with a dictionary at its top.
prefs::Domains readPreferencesFolder(const std::filesystem::path& folder);

// Adds settings that settingError accepted to `boot`; a later one for a key wins.
void addSettingOptions(lv::host::BootOptions& boot, const std::vector<std::string>& settings);

}  // namespace lv::sim
