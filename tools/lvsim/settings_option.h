#pragma once
// `--set KEY=true|false`: one stored setting.
#include <optional>
#include <string>
#include <utility>

namespace lvsim {

struct StoredSetting {
  std::string key;
  bool value;
};

// What is wrong with `text`, or nothing when it is a valid KEY=true|false.
std::optional<std::string> settingError(const std::string& text);

// Only for text that settingError accepted.
StoredSetting parseSetting(const std::string& text);

}  // namespace lvsim
