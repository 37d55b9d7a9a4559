#pragma once
// The edge fade of CBAutoScrollLabel: applyGradientMaskForFadeLength:enableFade:.
#include "bridge/send.h"

namespace lv::marquee {

void registerFadeMask(Class cls);

}  // namespace lv::marquee
