#pragma once
// Helpers for defining the host's classes: methods that defer to the superclass, and
// shared instances. Field accessors are the runtime's (runtime/accessors.h).
#include "runtime/accessors.h"
#include "runtime/runtime.h"

namespace host {

template <rt::FixedString Name>
Class superclassOf() {
  static const Class cls = class_getSuperclass(objc_getClass(Name.text));
  return cls;
}

// The host class `Name`'s own implementation of a method that only defers to its
// superclass's, so that the class owns every method the library replaces on it.
template <rt::FixedString Name, class R, class... A>
R callSuper(id self, SEL cmd, A... args) {
  return sendSuper<R>(superclassOf<Name>(), self, cmd, args...);
}

// +sharedInstance of a class whose one instance lives for the process.
template <rt::FixedString Name>
id sharedInstance(id, SEL) {
  static const Ref<> instance = rt::create(objc_getClass(Name.text));
  return instance.get();
}

}  // namespace host
