#pragma once
// The simulated device with its SpringBoard process, booted once per process:
//
//   lv::host::BootOptions options;
//   options.profile = "small-phone";
//   options.settings = {{"kEnabled", true}};
//   options.without = {"CSFocusActivityView"};
//   std::unique_ptr<lv::host::Device> device = lv::host::Device::boot(options);
//   bool on = device->library().global<bool>("enabled");
//
// Booting applies the profile (main screen and device), stores the settings in a fresh
// settings folder of its own (host/settings_folder.h), registers the host's classes (minus
// those left out), then loads liblumivane.so, whose two initialisers run as the device's
// loader runs them (or another library, BootOptions::library); with
// BootOptions::loadLibrary false the host runs on its own. Bad options throw BootError
// before anything is done, a library that will not load LibraryLoadError, a TMPDIR that
// names no usable folder TemporaryFolderError.
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/installation_report.h"
#include "host/library.h"
#include "host/method_snapshot.h"
#include "host/profiles.h"
#include "host/settings_folder.h"
#include "prefs/settings_file.h"

namespace lv::host {

struct BootOptions {
  std::string profile = "phone";
  std::string systemVersion = {};  // empty: the profile's
  prefs::BoolSettings settings = {};  // stored values; a key not given is not stored
  // Stored values of any identifier, as the device's preferences folder holds them; the
  // library's own `settings` go over those of its identifier.
  prefs::Domains preferences = {};
  std::set<std::string, std::less<>> without = {};  // host classes left out
  bool mainScreen = true;        // false: the device has no main screen
  bool loadLibrary = true;       // false: the host runs as it is, with no library in it
  std::filesystem::path library = {};  // the library to load; empty: the one built with the host
  // For LockScreen: false (the phone's way) keeps one now-playing view tree for the cover
  // sheet's life; true makes a fresh one at every play, so that each play meets later
  // instances of the media views.
  bool freshNowPlayingTreePerPlay = false;
};

class Device {
 public:
  static std::unique_ptr<Device> boot(const BootOptions& options);
  ~Device();
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;

  const DeviceProfile& profile() const { return profile_; }
  const std::filesystem::path& settingsDirectory() const;
  bool hasLibrary() const { return library_.has_value(); }
  // The loaded library; asking a device booted without it is a fatal error.
  const Library& library() const;
  // Empty without the library.
  std::vector<InstallationRow> installationReport() const;

 private:
  Device(const DeviceProfile& profile, std::unique_ptr<SettingsFolder> settings,
         MethodSnapshot methodsBeforeLoad, std::optional<Library> library);

  const DeviceProfile& profile_;
  std::unique_ptr<SettingsFolder> settings_;  // removed with the device
  MethodSnapshot methodsBeforeLoad_;
  std::optional<Library> library_;
};

}  // namespace lv::host
