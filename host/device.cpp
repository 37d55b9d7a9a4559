#include "host/device.h"

#include "host/host_classes.h"
#include "host/settings.h"
#include "host/settings_folder.h"
#include "prefs/preferences.h"
#include "uikit/device.h"
#include "uikit/screen.h"

namespace lv::host {

namespace {

bool g_booted = false;

const DeviceProfile& checkedProfile(const BootOptions& options) {
  const DeviceProfile* profile = findProfile(options.profile);
  if (!profile) throw BootError("unknown profile \"" + options.profile + "\"");
  for (const auto& [key, value] : options.settings)
    if (!isSettingKey(key)) throw BootError("unknown setting \"" + key + "\"");
  for (const auto& [identifier, values] : options.preferences)
    if (!prefs::isValidIdentifier(identifier)) throw BootError("no preferences identifier \"" + identifier + "\"");
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

// Points the preferences at the device's settings folder and writes the stored values there.
void writeSettingsInto(const std::filesystem::path& directory, const BootOptions& options) {
  prefs::setSettingsDirectory(directory);
  prefs::Domains domains = options.preferences;
  if (!options.settings.empty()) prefs::setBooleans(domains[std::string(kPreferencesIdentifier)], options.settings);
  for (const auto& [identifier, values] : domains) {
    auto written = prefs::writePreferencesFile(prefs::settingsFile(identifier), values);
    if (!written) throw BootError("cannot store the settings: " + written.error().message());
  }
}

}  // namespace

}  // namespace lv::host

std::unique_ptr<lv::host::Device> lv::host::Device::boot(const BootOptions& options) {
  if (g_booted) throw BootError("the device is already booted in this process");
  const DeviceProfile& profile = checkedProfile(options);
  g_booted = true;

  applyProfile(profile, options);
  std::unique_ptr<SettingsFolder> settings = SettingsFolder::make();
  writeSettingsInto(settings->path(), options);
  registerHostClasses(options.without);
  MethodSnapshot before = MethodSnapshot::take();
  std::optional<Library> library;
  if (options.loadLibrary) library = Library::load(options.library);
  return std::unique_ptr<Device>(new Device(profile, std::move(settings), std::move(before), library));
}

lv::host::Device::Device(const DeviceProfile& profile, std::unique_ptr<SettingsFolder> settings,
                     MethodSnapshot methodsBeforeLoad, std::optional<Library> library)
    : profile_(profile),
      settings_(std::move(settings)),
      methodsBeforeLoad_(std::move(methodsBeforeLoad)),
      library_(library) {}

lv::host::Device::~Device() = default;

const std::filesystem::path& lv::host::Device::settingsDirectory() const { return settings_->path(); }

const lv::host::Library& lv::host::Device::library() const {
  if (!library_) rt::fatal("the device was booted without the library");
  return *library_;
}

std::vector<lv::host::InstallationRow> lv::host::Device::installationReport() const {
  if (!library_) return {};
  return lv::host::installationReport(*library_, methodsBeforeLoad_);
}
