#pragma once
// The settings the library reads through HBPreferences, as the settings pane stores them.
#include <string_view>

namespace lv::host {

inline constexpr std::string_view kPreferencesIdentifier = "com.lumivane.preferences";

inline constexpr std::string_view kSettingKeys[] = {"kEnabled", "ShowBackground", "ShowTime",
                                                     "CenterLabel", "HapticFeedback"};

inline bool isSettingKey(std::string_view key) {
  for (std::string_view k : kSettingKeys)
    if (k == key) return true;
  return false;
}

}  // namespace lv::host
