#pragma once
// A tweak's settings, read from `<settings folder>/<identifier>.plist` once, when the object
// is made, through either of the device's two classes:
//   HBPreferences  initWithIdentifier:, registerDefaults:, registerBool:default:forKey:,
//                  registerInteger:default:forKey:, registerDouble:default:forKey:
//   NSUserDefaults initWithSuiteName:, registerDefaults:
// and on both objectForKey:, boolForKey:, integerForKey:, doubleForKey:, stringForKey:,
// which read the stored value, else the registered default, with the device's conversions
// (prefs/value_reading.h). A register…:forKey: writes that value into the variable the
// caller points at. The settings folder is the host's choice; with none chosen nothing is
// stored.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "prefs/settings_file.h"
#include "runtime/runtime.h"

struct HBPreferences : objc_object {
  std::string identifier;
  std::map<std::string, Ref<>, std::less<>> stored;
  std::map<std::string, Ref<>, std::less<>> defaults;
};

namespace prefs {

void setSettingsDirectory(const std::filesystem::path& directory);
const std::filesystem::path& settingsDirectory();

// Where the settings of `identifier` are stored; empty when no folder is chosen.
std::filesystem::path settingsFile(std::string_view identifier);

// A preferences identifier names one file inside the folder, never a path.
bool isValidIdentifier(std::string_view identifier);

// A key the process registered (register…:forKey:, registerDefaults:) or read, and the
// value it found then (the stored one, else the default) as the getters read it.
struct RegisteredKey {
  std::string identifier = {};
  std::string key = {};
  bool boolean = false;  // registered or read as a boolean
  bool on = false;       // boolForKey:
  std::string text = {};  // stringForKey:, or in parentheses why there is none
};

// In the order first met; a key met again keeps its place and takes the newer value.
const std::vector<RegisteredKey>& registeredKeys();

}  // namespace prefs
