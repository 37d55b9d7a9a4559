#pragma once
// Foundation values made and read through messages: strings from UTF-8, numbers, arrays.
// What these return is autoreleased (+0).
#include <objc/NSObjCRuntime.h>
#include <objc/runtime.h>

#include <initializer_list>

#include "bridge/send.h"

namespace lv {

inline id string(const char* utf8) {
  return send<id>(objc_getClass("NSString"), "stringWithUTF8String:"_sel, utf8);
}

inline id number(double value) { return send<id>(objc_getClass("NSNumber"), "numberWithDouble:"_sel, value); }

inline id array(std::initializer_list<id> items) {
  return send<id>(objc_getClass("NSArray"), "arrayWithObjects:count:"_sel, items.begin(), NSUInteger(items.size()));
}

// Calls `fn` with each item of `array` in order; nil is an empty array.
template <class F>
void forEachItem(id array, F&& fn) {
  NSUInteger count = send<NSUInteger>(array, "count"_sel);
  for (NSUInteger i = 0; i < count; ++i) fn(send<id>(array, "objectAtIndex:"_sel, i));
}

}  // namespace lv
