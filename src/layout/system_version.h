#pragma once
// The device's system version, compared as the single-precision number that NSString's
// floatValue reads from it ("14.8.1" reads as 14.8). Read anew on every call.
#include "bridge/send.h"

namespace lv::layout {

inline bool systemIsAtLeast15() {
  id device = send<id>(objc_getClass("UIDevice"), "currentDevice"_sel);
  float version = send<float>(send<id>(device, "systemVersion"_sel), "floatValue"_sel);
  return version >= 15.0f;
}

}  // namespace lv::layout
