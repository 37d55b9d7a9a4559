#pragma once
// The JSON of what the host saw, as lvsim's reports hold it. Geometry and times are
// rounded to a millionth so that reports compare stably; the globals' numbers stand as
// they are.
#include <vector>

#include <nlohmann/json.hpp>

#include "host/globals_snapshot.h"
#include "host/lock_screen_snapshot.h"

namespace lv::sim {

// {"name", "time", "globals", "events", "tree"}.
nlohmann::ordered_json snapshotJson(const lv::host::LockScreenSnapshot& snapshot);
nlohmann::ordered_json globalsJson(const std::vector<lv::host::GlobalSnapshot>& globals);

}  // namespace lv::sim
