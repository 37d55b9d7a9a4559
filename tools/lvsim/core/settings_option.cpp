#include "tools/lvsim/core/settings_option.h"

#include <algorithm>

#include "host/settings.h"
#include "prefs/preferences.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/json_reading.h"

namespace {

std::string unknownSetting(std::string_view key) {
  return "unknown setting " + lv::sim::inQuotes(key) + " (known: " + lv::sim::knownSettingKeys() + ")";
}

bool isOwn(const lv::sim::StoredSetting& s) {
  return s.identifier.empty() || s.identifier == lv::host::kPreferencesIdentifier;
}

}  // namespace

std::string lv::sim::knownSettingKeys() {
  std::string keys;
  for (std::string_view k : lv::host::kSettingKeys) keys += (keys.empty() ? "" : ", ") + std::string(k);
  return keys;
}

std::optional<std::string> lv::sim::settingError(const std::string& text) {
  if (text.find('=') == std::string::npos)
    return "expected KEY=true|false or IDENTIFIER:KEY=VALUE, got " + inQuotes(text);
  if (text.starts_with(':')) return "expected an identifier before \":\" in " + inQuotes(text);
  StoredSetting s = parseSetting(text);
  if (!s.identifier.empty() && !prefs::isValidIdentifier(s.identifier))
    return "no preferences identifier " + inQuotes(s.identifier) + " in " + inQuotes(text);
  if (s.key.empty()) return "expected a key before \"=\" in " + inQuotes(text);
  if (!isOwn(s)) return std::nullopt;
  if (!lv::host::isSettingKey(s.key)) return unknownSetting(s.key);
  if (s.value != "true" && s.value != "false")
    return "setting " + s.key + " takes true or false, got " + inQuotes(s.value);
  return std::nullopt;
}

lv::sim::StoredSetting lv::sim::parseSetting(const std::string& text) {
  size_t eq = text.find('=');
  std::string name = text.substr(0, eq);
  size_t colon = name.find(':');
  if (colon == std::string::npos) return {"", name, text.substr(eq + 1)};
  return {name.substr(0, colon), name.substr(colon + 1), text.substr(eq + 1)};
}

prefs::BoolSettings lv::sim::readStoredSettings(const std::filesystem::path& file) {
  auto read = prefs::readSettingsFile(file);
  if (!read) throw InputError(read.error().reason);
  const prefs::SettingsContents& contents = read.value();
  for (const auto& [key, value] : contents.values)
    if (!lv::host::isSettingKey(key)) throw InputError(unknownSetting(key));
  for (const std::string& key : contents.notBooleans)
    throw InputError(lv::host::isSettingKey(key) ? "setting " + key + " holds a value that is not a boolean"
                                                 : unknownSetting(key));
  return contents.values;
}

std::vector<std::filesystem::path> lv::sim::preferencesFiles(const std::filesystem::path& folder) {
  std::error_code error;
  std::vector<std::filesystem::path> files;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    files.push_back(it->path());
  if (error) throw InputError("cannot list the folder: " + error.message());
  std::sort(files.begin(), files.end());
  return files;
}

prefs::Domains lv::sim::readPreferencesFolder(const std::filesystem::path& folder) {
  prefs::Domains domains;
  for (const std::filesystem::path& file : preferencesFiles(folder)) {
    std::string name = file.filename().string();
    std::string identifier = file.stem().string();
    if (file.extension() != ".plist" || !prefs::isValidIdentifier(identifier))
      throw InputError(inQuotes(name) + " is not named IDENTIFIER.plist");
    auto read = prefs::readPreferencesFile(file);
    if (!read) throw InputError(inQuotes(name) + ": " + read.error().reason);
    domains.emplace(identifier, std::move(read.value()));
  }
  return domains;
}

void lv::sim::addSettingOptions(lv::host::BootOptions& boot, const std::vector<std::string>& settings) {
  for (const std::string& text : settings) {
    StoredSetting s = parseSetting(text);
    if (isOwn(s))
      boot.settings[s.key] = s.value == "true";
    else
      boot.preferences[s.identifier].set(s.key, prefs::valueFromText(s.value));
  }
}
