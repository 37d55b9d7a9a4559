#pragma once
// UITouch and UIEvent: one finger's contact, and the event that carries the touches
// delivered together. Locations are kept in window coordinates.
#include <vector>

#include "quartz/geometry.h"
#include "runtime/runtime.h"

inline constexpr NSInteger UITouchPhaseBegan = 0;
inline constexpr NSInteger UITouchPhaseMoved = 1;
inline constexpr NSInteger UITouchPhaseStationary = 2;
inline constexpr NSInteger UITouchPhaseEnded = 3;
inline constexpr NSInteger UITouchPhaseCancelled = 4;

struct UITouch : objc_object {
  Ref<> view;    // the view the touch began on (the hit-test view)
  Ref<> window;
  CGPoint location{};
  CGPoint previousLocation{};
  NSInteger phase = UITouchPhaseBegan;
  NSUInteger tapCount = 1;
  double timestamp = 0;
};

struct UIEvent : objc_object {
  std::vector<Ref<>> touches;
  double timestamp = 0;
};

namespace uikit {

// A fresh touch on `view` in `window` at `location` (window coordinates), +1.
Ref<UITouch> makeTouch(id view, id window, CGPoint location, double timestamp);
// A fresh touch event carrying `touch`, +1.
Ref<UIEvent> makeEvent(id touch, double timestamp);

}  // namespace uikit
