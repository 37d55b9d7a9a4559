#include "startup/small_device.h"

#include <CoreGraphics/CGGeometry.h>

#include "bridge/send.h"

namespace {

constexpr double kSmallScreenMaxWidth = 750;

}  // namespace

bool isSmallDeviceSB() {
  using namespace lv;
  id screen = send<id>(objc_getClass("UIScreen"), "mainScreen"_sel);
  CGRect native = send<CGRect>(screen, "nativeBounds"_sel);
  return native.size.width <= kSmallScreenMaxWidth;
}
