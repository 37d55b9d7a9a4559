#pragma once
// Reading an instance variable by name, as the object's class declares it: the value is
// copied out only when the variable exists and its encoding is T's.
#include <objc/runtime.h>

#include <cstring>
#include <string_view>

#include "bridge/encoding.h"

namespace lv {

template <class T>
bool readIvar(id object, const char* name, T& out) {
  Ivar ivar = object ? class_getInstanceVariable(object_getClass(object), name) : nullptr;
  if (!ivar) return false;
  std::string_view types = ivar_getTypeEncoding(ivar);
  std::string_view want = Encoding<T>::value;
  // An object variable's encoding may name its class: @"UILabel".
  if (types != want && !(want == "@" && types.starts_with("@\""))) return false;
  std::memcpy(&out, reinterpret_cast<const char*>(object) + ivar_getOffset(ivar), sizeof(T));
  return true;
}

}  // namespace lv
