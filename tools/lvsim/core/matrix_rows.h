#pragma once
// The combinations `lvsim run --each AXIS` tells a story over: an axis is `profile` (every
// device profile) or `setting=KEY` (the boolean setting KEY off and on).
#include <optional>
#include <string>
#include <vector>

namespace lv::sim {

struct MatrixRow {
  std::string name;                   // "phone,kEnabled=true": its sub-folder, and its line of the table
  std::string profile;                // empty: the one the story names
  std::vector<std::string> settings;  // KEY=true|false
};

// What is wrong with an axis, or nothing.
std::optional<std::string> matrixAxisError(const std::string& axis);

// Every combination of the axes (checked, each once), in a fixed order: the profiles as
// host/profiles.h lists them, and within each the settings counted from all off to all on,
// the first key changing slowest.
std::vector<MatrixRow> matrixRows(const std::vector<std::string>& axes);

}  // namespace lv::sim
