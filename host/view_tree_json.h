#pragma once
// A view and everything under it as JSON, as the simulator's report shows it: model
// geometry in the superview's and the window's coordinates, appearance, texts, scroll
// state, the layer's mask, what is on screen while something animates, and the
// properties the library added. Numbers are rounded to a millionth so that reports
// compare stably.
#include <nlohmann/json.hpp>

#include "runtime/runtime.h"

namespace host {

nlohmann::ordered_json viewTreeJson(id view);

// `value` rounded to a millionth, with -0 as 0.
double reportNumber(double value);

}  // namespace host
