#pragma once
// Gesture recognisers. A view owns the recognisers added to it; a recogniser knows its
// view and its targets without owning them. Only taps are recognised: a touch that ends
// near where it began.
#include <vector>

#include "quartz/geometry.h"
#include "runtime/runtime.h"

inline constexpr NSInteger UIGestureRecognizerStatePossible = 0;
inline constexpr NSInteger UIGestureRecognizerStateBegan = 1;
inline constexpr NSInteger UIGestureRecognizerStateChanged = 2;
inline constexpr NSInteger UIGestureRecognizerStateEnded = 3;
inline constexpr NSInteger UIGestureRecognizerStateCancelled = 4;
inline constexpr NSInteger UIGestureRecognizerStateFailed = 5;

struct UIGestureRecognizer : objc_object {
  struct Target {
    id target;  // unowned
    SEL action;
  };
  std::vector<Target> targets;
  id view = nil;  // unowned; cleared when the view lets it go
  NSInteger state = UIGestureRecognizerStatePossible;
  bool enabled = true;
  CGPoint location{};  // of the touch that made it act, in its view's coordinates
};

struct UITapGestureRecognizer : UIGestureRecognizer {};

namespace uikit {

// The enabled tap recognisers attached to `view`, oldest first.
std::vector<Ref<>> tapRecognizers(id view);

// Runs a tap that `touch` made: the recogniser ends, sends its actions (with itself as
// argument when the action takes one) and is possible again.
void recognizeTap(id recognizer, id touch);

}  // namespace uikit
