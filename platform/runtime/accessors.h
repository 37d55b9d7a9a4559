#pragma once
// Method implementations that read or write one field of a class's C++ state, for the
// many plain properties of the platform's classes:
//
//   rt::addFieldProperty<&UIView::tag>(cls, "tag"_sel, "setTag:"_sel);
//
// Object fields are `Ref<>`: the getter answers +0, the setter retains the new value.
#include "runtime/class.h"

namespace rt {

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

template <auto M>
id objectGetter(id self, SEL) {
  return (static_cast<typename FieldOf<M>::Object*>(self)->*M).get();
}

template <auto M>
void objectSetter(id self, SEL, id value) {
  using Field = typename FieldOf<M>::Value;
  static_cast<typename FieldOf<M>::Object*>(self)->*M =
      Field::retain(static_cast<typename Field::element_type*>(value));
}

template <auto M>
void addFieldProperty(Class cls, SEL getter, SEL setter) {
  addMethod(cls, getter, fieldGetter<M>);
  addMethod(cls, setter, fieldSetter<M>);
}

template <auto M>
void addObjectProperty(Class cls, SEL getter, SEL setter) {
  addMethod(cls, getter, objectGetter<M>);
  addMethod(cls, setter, objectSetter<M>);
}

}  // namespace rt
