#pragma once
// The rest-and-move cycle of CBAutoScrollLabel and its window and notification hooks.
#include "bridge/send.h"

namespace lv::marquee {

void registerScrollCycle(Class cls);

}  // namespace lv::marquee
