#pragma once
// The library's exported globals as JSON: booleans, numbers, and for object globals the
// class name of the object held, or null.
#include <nlohmann/json.hpp>

#include "host/library.h"

namespace host {

nlohmann::ordered_json globalsJson(const Library& library);

}  // namespace host
