#pragma once
// Calls a method named by a selector with one object argument, the way the device's
// message send does for `performSelector:withObject:` and notification delivery: a method
// that takes no argument is called without it, and an object result is handed back.
#include "runtime/runtime.h"

namespace fnd {

// Performs `sel` on `target` (nil does nothing). The method must take one object or
// nothing and return an object or nothing; any other shape is a fatal error naming the
// class and selector, as is an unknown selector.
id perform(id target, SEL sel, id object);

}  // namespace fnd
