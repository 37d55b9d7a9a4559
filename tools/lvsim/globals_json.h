#pragma once
// The library's exported globals as JSON: booleans, numbers, and for object globals the
// class name of the object held, or null.
#include <nlohmann/json.hpp>

#include "host/library.h"

namespace lvsim {

nlohmann::ordered_json globalsJson(const host::Library& library);

}  // namespace lvsim
