#pragma once
// The options of every command that boots a device: --profile, --preferences, --set,
// --settings, --without and --library. Each overrides what the command boots otherwise (a
// scenario, or the command's own defaults); stored settings go in order, a later value for
// a key winning: what was there, the --preferences folder, the --settings file, then --set.
#include <filesystem>
#include <string>
#include <vector>

#include "host/device.h"

namespace lv::sim {

// The --library value that boots the host alone.
inline constexpr std::string_view kNoLibrary = "none";

struct DeviceOptions {
  std::string profile;                // empty: not given
  std::vector<std::string> settings;  // KEY=true|false or IDENTIFIER:KEY=VALUE
  std::string preferencesFolder;      // empty: not given
  std::string settingsFile;           // empty: not given
  std::vector<std::string> without;   // given: replaces the host classes left out
  std::string library;                // empty: not given; kNoLibrary: none
};

// Applies what was given to `boot`; returns the exit code, a settings file or preferences
// folder that cannot be used having printed its line.
int applyDeviceOptions(const DeviceOptions& options, lv::host::BootOptions& boot);

// The files the options name, which the command reads: the settings file and the library.
std::vector<std::filesystem::path> inputFiles(const DeviceOptions& options);

// Points `boot` at the library `name` (kNoLibrary: none), a path taken from `folder`.
void chooseLibrary(lv::host::BootOptions& boot, const std::string& name, const std::filesystem::path& folder = {});

}  // namespace lv::sim
