#include "host/device.h"

#include "host/host_classes.h"
#include "host/settings.h"
#include "host/settings_folder.h"
#include "prefs/preferences.h"
#include "uikit/device.h"
#include "uikit/screen.h"

namespace host {

namespace {

bool g_booted = false;

const DeviceProfile& checkedProfile(const BootOptions& options) {
  const DeviceProfile* profile = findProfile(options.profile);
  if (!profile) throw BootError("unknown profile \"" + options.profile + "\"");
  for (const auto& [key, value] : options.settings)
    if (!isSettingKey(key)) throw BootError("unknown setting \"" + key + "\"");
  for (const std::string& name : options.without)
    if (!isHostClass(name)) throw BootError("unknown host class \"" + name + "\"");
  return *profile;
}

void applyProfile(const DeviceProfile& profile, const BootOptions& options) {
  if (options.mainScreen)
    uikit::setMainScreen(profile.nativeSize, profile.scale);
  else
    uikit::removeMainScreen();
  uikit::setDevice(options.systemVersion.empty() ? profile.systemVersion : options.systemVersion,
                   profile.idiom);
}

void storeSettings(const std::filesystem::path& directory, const prefs::BoolSettings& settings) {
  prefs::setSettingsDirectory(directory);
  if (settings.empty()) return;
  if (auto error = prefs::writeSettingsFile(prefs::settingsFile(kPreferencesIdentifier), settings))
    throw BootError("cannot store the settings: " + error->message());
}

}  // namespace

std::unique_ptr<Device> Device::boot(const BootOptions& options) {
  if (g_booted) throw BootError("the device is already booted in this process");
  const DeviceProfile& profile = checkedProfile(options);
  g_booted = true;

  applyProfile(profile, options);
  std::unique_ptr<SettingsFolder> settings = SettingsFolder::make();
  storeSettings(settings->path(), options.settings);
  registerHostClasses(options.without);
  MethodSnapshot before = MethodSnapshot::take();
  return std::unique_ptr<Device>(new Device(profile, std::move(settings), std::move(before), Library::load()));
}

Device::Device(const DeviceProfile& profile, std::unique_ptr<SettingsFolder> settings,
               MethodSnapshot methodsBeforeLoad, Library library)
    : profile_(profile),
      settings_(std::move(settings)),
      methodsBeforeLoad_(std::move(methodsBeforeLoad)),
      library_(library) {}

Device::~Device() = default;

const std::filesystem::path& Device::settingsDirectory() const { return settings_->path(); }

std::vector<InstallationRow> Device::installationReport() const {
  return host::installationReport(library_, methodsBeforeLoad_);
}

}  // namespace host
