#pragma once
// NSNotification and NSNotificationCenter. Observers are not retained. A registration
// ends when its observer is removed or dies, even during a post that has already chosen
// it: such an observer is skipped.
//   +[NSNotification notificationWithName:object:] / …object:userInfo:, -name, -object,
//     -userInfo (the notification holds all three)
//   +[NSNotificationCenter defaultCenter]
//   -addObserver:selector:name:object:  (nil name or object: any; the object matches by
//     identity; the selector takes the notification, or nothing)
//   -removeObserver:  -removeObserver:name:object:  (nil name or object: any)
//   -postNotification:  -postNotificationName:object:  -postNotificationName:object:userInfo:
#include "runtime/runtime.h"

using NSNotificationName = id;

struct NSNotification : objc_object {
  Ref<> name;
  Ref<> object;
  Ref<> userInfo;
};

namespace fnd {
// The registrations a centre holds: one per addObserver:… not yet removed or ended.
size_t observationCount(id center);
}
