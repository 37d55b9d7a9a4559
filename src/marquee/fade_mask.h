#pragma once
// The edge fade of CBAutoScrollLabel: applyGradientMaskForFadeLength:enableFade:.
#include "runtime/runtime.h"

namespace lv::marquee {

void registerFadeMask(Class cls);

}  // namespace lv::marquee
