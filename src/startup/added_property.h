#pragma once
// Accessors of the properties the library adds to host classes. The value lives in an
// associated object of the instance (strong, non-atomic); the key is the address of the
// property's own getter, so each property has its own key, shared by all instances.
#include "bridge/send.h"

namespace lv {

template <FixedString Name>
id propertyGetter(id self, SEL);

template <FixedString Name>
const void* propertyKey() {
  return reinterpret_cast<const void*>(&propertyGetter<Name>);
}

template <FixedString Name>
id propertyGetter(id self, SEL) {
  return objc_getAssociatedObject(self, propertyKey<Name>());
}

// nil removes the value.
template <FixedString Name>
void propertySetter(id self, SEL, id value) {
  objc_setAssociatedObject(self, propertyKey<Name>(), value, OBJC_ASSOCIATION_RETAIN_NONATOMIC);
}

}  // namespace lv
