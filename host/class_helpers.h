#pragma once
// Helpers for defining the host's classes: methods that defer to the superclass, and
// methods that read or write one field of a class's C++ state.
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

template <auto Member>
struct FieldOf;
template <class T, class V, V T::*M>
struct FieldOf<M> {
  using Object = T;
  using Value = V;
};

template <auto M>
typename FieldOf<M>::Value fieldGetter(id self, SEL) {
  return static_cast<typename FieldOf<M>::Object*>(self)->*M;
}

template <auto M>
void fieldSetter(id self, SEL, typename FieldOf<M>::Value value) {
  static_cast<typename FieldOf<M>::Object*>(self)->*M = value;
}

// Object fields are Ref<>: the getter answers +0, the setter retains the new value.
template <auto M>
id objectGetter(id self, SEL) {
  return (static_cast<typename FieldOf<M>::Object*>(self)->*M).get();
}

template <auto M>
void objectSetter(id self, SEL, id value) {
  static_cast<typename FieldOf<M>::Object*>(self)->*M = value;
}

// +sharedInstance of a class whose one instance lives for the process.
template <rt::FixedString Name>
id sharedInstance(id, SEL) {
  static const Ref<> instance = rt::create(objc_getClass(Name.text));
  return instance.get();
}

}  // namespace host
