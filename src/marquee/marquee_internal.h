#pragma once
// Pieces of CBAutoScrollLabel that live in their own files.
#include "runtime/runtime.h"

namespace lv::marquee {
void registerScrollCycle(Class cls);
void registerFadeMask(Class cls);
}  // namespace lv::marquee
