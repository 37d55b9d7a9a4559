#include "prefs/preferences.h"

#include <map>
#include <utility>

#include "foundation/values.h"
#include "prefs/value_reading.h"
#include "runtime/class_setup.h"

namespace prefs {

namespace {

std::filesystem::path& directory() {
  static auto* path = new std::filesystem::path;  // lives for the process
  return *path;
}

std::vector<RegisteredKey>& registry() {
  static auto* keys = new std::vector<RegisteredKey>;  // lives for the process
  return *keys;
}

// The registry's entry of `key` of `identifier`, made at the end when it is new. Getters ask
// on every read, so entries are found through an index rather than a walk.
RegisteredKey& registered(const std::string& identifier, const std::string& key) {
  static auto* index = new std::map<std::pair<std::string, std::string>, size_t>;  // lives for the process
  std::vector<RegisteredKey>& keys = registry();
  auto [at, added] = index->try_emplace({identifier, key}, keys.size());
  if (added) keys.push_back({.identifier = identifier, .key = key});
  return keys[at->second];
}

HBPreferences* asPreferences(id self) { return static_cast<HBPreferences*>(self); }

id storedOrDefault(id self, const std::string& key) {
  HBPreferences* p = asPreferences(self);
  if (auto it = p->stored.find(key); it != p->stored.end()) return it->second.get();
  if (auto it = p->defaults.find(key); it != p->defaults.end()) return it->second.get();
  return nil;
}

// The value of `key` for a getter, noted in the registry.
id lookUp(id self, id key, bool boolean) {
  if (!key) return nil;
  std::string name = fnd::utf8(key);
  id value = storedOrDefault(self, name);
  RegisteredKey& noted = registered(asPreferences(self)->identifier, name);
  noted.boolean = noted.boolean || boolean;
  noted.on = boolOf(value);
  noted.text = stringOf(value).value_or(value ? "(not a number or string)" : "(not stored)");
  return value;
}

id initWithIdentifier(id self, id identifier) {
  std::string name = fnd::utf8(identifier);
  if (!isValidIdentifier(name)) return nil;
  HBPreferences* p = asPreferences(self);
  p->identifier = name;
  std::filesystem::path file = settingsFile(name);
  if (file.empty()) return self;
  auto read = readPreferencesFile(file);
  if (!read) return self;
  for (const std::string& key : read.value().keys())
    if (id value = objectOf(read.value().value(key))) p->stored[key] = Ref<>::retain(value);
  return self;
}

id HBPreferences_initWithIdentifier(id self, SEL, id identifier) { return initWithIdentifier(self, identifier); }

void registerDefaults(id self, SEL, id defaults) {
  id keys = send<id>(defaults, "allKeys"_sel);
  for (const Ref<>& key : fnd::arrayItems(keys)) {
    id value = send<id>(defaults, "objectForKey:"_sel, key.get());
    asPreferences(self)->defaults[fnd::utf8(key.get())] = Ref<>::retain(value);
    lookUp(self, key.get(), isBoolean(value));
  }
}

// register…:default:forKey: for values of type T, made into objects by `make` and read back
// by `read`; `boolean`: the key is a boolean's.
template <class T, id (*make)(T), T (*read)(id), bool boolean>
void registerValue(id self, SEL, T* target, T defaultValue, id key) {
  if (key) asPreferences(self)->defaults[fnd::utf8(key)] = Ref<>::retain(make(defaultValue));
  id value = lookUp(self, key, boolean);
  if (target) *target = key ? read(value) : defaultValue;
}

id objectForKey(id self, SEL, id key) { return lookUp(self, key, false); }
bool boolForKey(id self, SEL, id key) { return boolOf(lookUp(self, key, true)); }
long integerForKey(id self, SEL, id key) { return integerOf(lookUp(self, key, false)); }
double doubleForKey(id self, SEL, id key) { return doubleOf(lookUp(self, key, false)); }

id stringForKey(id self, SEL, id key) {
  std::optional<std::string> text = stringOf(lookUp(self, key, false));
  return text ? fnd::string(*text) : nil;
}

id NSUserDefaults_initWithSuiteName(id self, SEL, id suite) { return initWithIdentifier(self, suite); }

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

const std::vector<RegisteredKey>& registeredKeys() { return registry(); }

namespace {

void addReaders(Class cls) {
  rt::addMethod(cls, "registerDefaults:"_sel, registerDefaults);
  rt::addMethod(cls, "objectForKey:"_sel, objectForKey);
  rt::addMethod(cls, "boolForKey:"_sel, boolForKey);
  rt::addMethod(cls, "integerForKey:"_sel, integerForKey);
  rt::addMethod(cls, "doubleForKey:"_sel, doubleForKey);
  rt::addMethod(cls, "stringForKey:"_sel, stringForKey);
}

void registerPreferencesClasses() {
  Class cls = rt::defineClass<HBPreferences>("HBPreferences", "NSObject");
  rt::addMethod(cls, "initWithIdentifier:"_sel, HBPreferences_initWithIdentifier);
  rt::addMethod(cls, "registerBool:default:forKey:"_sel, registerValue<bool, fnd::boolean, boolOf, true>);
  rt::addMethod(cls, "registerInteger:default:forKey:"_sel, registerValue<long, fnd::number, integerOf, false>);
  rt::addMethod(cls, "registerDouble:default:forKey:"_sel, registerValue<double, fnd::number, doubleOf, false>);
  addReaders(cls);
  Class defaults = rt::defineClass<HBPreferences>("NSUserDefaults", "NSObject");
  rt::addMethod(defaults, "initWithSuiteName:"_sel, NSUserDefaults_initWithSuiteName);
  addReaders(defaults);
}

LV_CLASS_SETUP(registerPreferencesClasses);

}  // namespace

}  // namespace prefs
