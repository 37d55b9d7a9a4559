#pragma once
// The library's exported globals at one moment, in the order of kExportedGlobals, then
// isSmallDeviceSB (those the library exports): booleans, numbers, and for object globals
// what the object held is (nullopt: nil), a view of the window by its id.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/library.h"
#include "host/view_ids.h"

namespace lv::host {

struct GlobalSnapshot {
  std::string name;
  std::variant<bool, double, std::optional<ObjectSnapshot>> value;
};

std::vector<GlobalSnapshot> snapshotGlobals(const Library& library, const ViewIds& ids = {});

}  // namespace lv::host
