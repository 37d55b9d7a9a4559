#pragma once
// Adding methods whose type encoding comes from the implementation's own C++ type.
#include <objc/runtime.h>

#include "bridge/encoding.h"

namespace lv {

template <auto Fn>
bool addMethod(Class cls, SEL sel) {
  return class_addMethod(cls, sel, reinterpret_cast<IMP>(Fn), encodingOf<decltype(Fn)>());
}

// A class method: a method of the metaclass.
template <auto Fn>
bool addClassMethod(Class cls, SEL sel) {
  return addMethod<Fn>(object_getClass(reinterpret_cast<id>(cls)), sel);
}

}  // namespace lv
