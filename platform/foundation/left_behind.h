#pragma once
// Temporary files and folders that a process killed outright left behind, found by the
// owner's process id in their names: PREFIX PID SEPARATOR TAIL, where TAIL is letters and
// digits (a counter, or mkdtemp's six characters). Only those of this user whose process
// has ended go.
#include <filesystem>
#include <string_view>

namespace fnd {

// Removes, in `folder`, what ended processes left under names of that form; folders go
// with all they hold, links are removed and never followed.
void removeLeftBehind(const std::filesystem::path& folder, std::string_view prefix, char separator);

}  // namespace fnd
