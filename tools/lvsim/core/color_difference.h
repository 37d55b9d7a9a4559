#pragma once
// How far apart two sRGB colours look: the CIEDE2000 colour difference of their CIELAB
// values (D65 white). About 1 is the least difference an eye tells apart side by side;
// 2 to 3 passes for the same colour at a glance.
#include <cstdint>

namespace lv::sim {

double deltaE2000(const uint8_t* rgb1, const uint8_t* rgb2);

}  // namespace lv::sim
