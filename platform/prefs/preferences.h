#pragma once
// HBPreferences: a tweak's settings, read from `<settings folder>/<identifier>.plist`.
// `registerBool:default:forKey:` writes the stored boolean, or the default where none is
// stored, into the bool the caller points at. The settings folder is the host's choice;
// with none chosen nothing is stored.
#include <filesystem>

#include "prefs/settings_file.h"
#include "runtime/runtime.h"

struct HBPreferences : objc_object {
  // The booleans stored when the object was made: settings are read once, at start-up.
  prefs::BoolSettings stored;
};

namespace prefs {

void setSettingsDirectory(const std::filesystem::path& directory);
const std::filesystem::path& settingsDirectory();

// Where the settings of `identifier` are stored; empty when no folder is chosen.
std::filesystem::path settingsFile(std::string_view identifier);

// A preferences identifier names one file inside the folder, never a path.
bool isValidIdentifier(std::string_view identifier);

}  // namespace prefs
