#pragma once
// Settings files: a property list (XML or binary) whose top level is a dictionary. Read
// whole, any property-list values; read as settings, only boolean values count and a key
// with any other value is treated as not stored.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "foundation/result.h"
#include "prefs/stored_values.h"

namespace prefs {

using BoolSettings = std::map<std::string, bool, std::less<>>;

// Why a settings file could not be used.
struct SettingsError {
  std::filesystem::path path;
  std::string reason;

  std::string message() const { return path.string() + ": " + reason; }
};

// What a settings file holds: its booleans, and the keys whose values are anything else.
struct SettingsContents {
  BoolSettings values;
  std::vector<std::string> notBooleans;  // in name order
};

// Never throws and never trusts the file: anything wrong (missing, unreadable, malformed)
// is an error.
// Anything but a regular file, a file over 1 MiB, and one nested deeper than
// kMaxPlistDepth or expanding to more than kMaxPlistObjects objects, and one whose keys
// hold a NUL or repeat (prefs/plist_bounds.h) are refused before they are parsed.
fnd::Result<StoredValues, SettingsError> readPreferencesFile(const std::filesystem::path& path);
// The file's booleans, read as readPreferencesFile reads it.
fnd::Result<SettingsContents, SettingsError> readSettingsFile(const std::filesystem::path& path);

enum class PlistFormat { Xml, Binary };

// Written whole or not at all (foundation/atomic_file.h). Settings are stored for the
// processes that run meanwhile, so the write does not wait for the disk.
fnd::Result<void, SettingsError> writePreferencesFile(const std::filesystem::path& path, const StoredValues& values,
                                                      PlistFormat format = PlistFormat::Xml);
// `values` stored as booleans in `into`, over what it held under their keys.
void setBooleans(StoredValues& into, const BoolSettings& values);

fnd::Result<void, SettingsError> writeSettingsFile(const std::filesystem::path& path,
                                                   const BoolSettings& values,
                                                   PlistFormat format = PlistFormat::Xml);

}  // namespace prefs
