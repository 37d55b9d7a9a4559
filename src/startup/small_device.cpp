#include "startup/small_device.h"

#include "quartz/geometry.h"
#include "runtime/runtime.h"

namespace {

constexpr double kSmallScreenMaxWidth = 750;

}  // namespace

bool isSmallDeviceSB() {
  id screen = send<id>(objc_getClass("UIScreen"), "mainScreen"_sel);
  CGRect native = send<CGRect>(screen, "nativeBounds"_sel);
  return native.size.width <= kSmallScreenMaxWidth;
}
