#include "tools/lvsim/core/settings_option.h"

#include "host/settings.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/json_reading.h"

namespace {

std::string unknownSetting(std::string_view key) {
  return "unknown setting " + lv::sim::inQuotes(key) + " (known: " + lv::sim::knownSettingKeys() + ")";
}

}  // namespace

std::string lv::sim::knownSettingKeys() {
  std::string keys;
  for (std::string_view k : lv::host::kSettingKeys) keys += (keys.empty() ? "" : ", ") + std::string(k);
  return keys;
}

std::optional<std::string> lv::sim::settingError(const std::string& text) {
  size_t eq = text.find('=');
  if (eq == std::string::npos) return "expected KEY=true|false, got " + inQuotes(text);
  std::string key = text.substr(0, eq);
  std::string value = text.substr(eq + 1);
  if (!lv::host::isSettingKey(key)) return unknownSetting(key);
  if (value != "true" && value != "false")
    return "setting " + key + " takes true or false, got " + inQuotes(value);
  return std::nullopt;
}

lv::sim::StoredSetting lv::sim::parseSetting(const std::string& text) {
  size_t eq = text.find('=');
  return {text.substr(0, eq), text.substr(eq + 1) == "true"};
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

void lv::sim::addSettingOptions(lv::host::BootOptions& boot, const std::vector<std::string>& settings) {
  for (const std::string& text : settings) {
    StoredSetting s = parseSetting(text);
    boot.settings[s.key] = s.value;
  }
}
