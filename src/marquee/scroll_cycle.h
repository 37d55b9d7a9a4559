#pragma once
// The rest-and-move cycle of CBAutoScrollLabel and its window and notification hooks.
#include "runtime/runtime.h"

namespace lv::marquee {

void registerScrollCycle(Class cls);

}  // namespace lv::marquee
