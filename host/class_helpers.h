#pragma once
// Helpers for defining the host's classes: methods that defer to the superclass, shared
// instances, and the few messages every host view sends to its children. Field accessors
// are the runtime's (runtime/accessors.h).
#include "quartz/geometry.h"
#include "runtime/accessors.h"
#include "runtime/runtime.h"

namespace lv::host {

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

// A view of class `name` made with initWithFrame:, owned by the caller; nil when the host
// lacks the class or its initialiser declines.
inline Ref<> makeView(const char* name, CGRect frame = CGRectZero) {
  return rt::create(objc_getClass(name), "initWithFrame:"_sel, frame);
}

inline CGRect boundsOf(id view) { return send<CGRect>(view, "bounds"_sel); }
inline void setFrame(id view, CGRect frame) { send<void>(view, "setFrame:"_sel, frame); }
inline void addSubview(id superview, id view) { send<void>(superview, "addSubview:"_sel, view); }
inline void roundCorners(id view, CGFloat radius) {
  send<void>(send<id>(view, "layer"_sel), "setCornerRadius:"_sel, radius);
}

}  // namespace lv::host
