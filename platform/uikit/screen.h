#pragma once
// UIScreen. The machine has no display: the host plugs in the main screen of the device
// it simulates (native size in pixels, portrait, and scale). Until it does, or after it
// removes it, `mainScreen` is nil.
#include "quartz/geometry.h"
#include "runtime/runtime.h"

struct UIScreen : objc_object {
  CGRect nativeBounds{};  // pixels, portrait
  CGFloat scale = 1;
};

namespace uikit {

void setMainScreen(CGSize nativeSize, CGFloat scale);
void removeMainScreen();

}  // namespace uikit
