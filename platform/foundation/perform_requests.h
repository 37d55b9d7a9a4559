#pragma once
// Delayed and direct performs, installed on NSObject as on the device:
//   -performSelector:  -performSelector:withObject:  (direct calls, object result)
//   -performSelector:withObject:afterDelay:  (a timer on the main run loop; the target and
//     the object are retained until the call has run or is cancelled)
//   +cancelPreviousPerformRequestsWithTarget:
//   +cancelPreviousPerformRequestsWithTarget:selector:object:  (objects match by isEqual:,
//     or both nil)
#include "runtime/runtime.h"

namespace fnd {

// Delayed performs scheduled and not yet run or cancelled, over all targets.
size_t pendingPerformRequests();

}  // namespace fnd
