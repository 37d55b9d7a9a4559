#include "prefs/preferences.h"

#include "foundation/values.h"
#include "runtime/class_setup.h"

namespace prefs {

namespace {

std::filesystem::path& directory() {
  static auto* path = new std::filesystem::path;  // lives for the process
  return *path;
}

id HBPreferences_initWithIdentifier(id self, SEL, id identifier) {
  std::string name = fnd::utf8(identifier);
  if (!isValidIdentifier(name)) return nil;
  std::filesystem::path file = settingsFile(name);
  if (!file.empty()) static_cast<HBPreferences*>(self)->stored = readSettingsFile(file).values;
  return self;
}

void HBPreferences_registerBool(id self, SEL, bool* target, bool defaultValue, id key) {
  if (!target) return;
  const BoolSettings& stored = static_cast<HBPreferences*>(self)->stored;
  auto it = key ? stored.find(fnd::utf8(key)) : stored.end();
  *target = it != stored.end() ? it->second : defaultValue;
}

}  // namespace

void setSettingsDirectory(const std::filesystem::path& path) { directory() = path; }
const std::filesystem::path& settingsDirectory() { return directory(); }

std::filesystem::path settingsFile(std::string_view identifier) {
  if (directory().empty()) return {};
  return directory() / (std::string(identifier) + ".plist");
}

bool isValidIdentifier(std::string_view identifier) {
  return !identifier.empty() && identifier != "." && identifier != ".." &&
         identifier.find('/') == std::string_view::npos &&
         identifier.find('\0') == std::string_view::npos;
}

namespace {

void registerPreferencesClasses() {
  Class cls = rt::defineClass<HBPreferences>("HBPreferences", "NSObject");
  rt::addMethod(cls, "initWithIdentifier:"_sel, HBPreferences_initWithIdentifier);
  rt::addMethod(cls, "registerBool:default:forKey:"_sel, HBPreferences_registerBool);
}

LV_CLASS_SETUP(registerPreferencesClasses);

}  // namespace

}  // namespace prefs
