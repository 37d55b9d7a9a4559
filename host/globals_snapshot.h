#pragma once
// The library's exported globals at one moment, in the order of kExportedGlobals, then
// isSmallDeviceSB: booleans, numbers, and for object globals the class name of the
// object held (nullopt: nil).
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/library.h"

namespace lv::host {

struct GlobalSnapshot {
  std::string name;
  std::variant<bool, double, std::optional<std::string>> value;
};

std::vector<GlobalSnapshot> snapshotGlobals(const Library& library);

}  // namespace lv::host
