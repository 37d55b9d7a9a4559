#pragma once
// Method and block types as the device encodes them ("v24@0:8d16", "{CGRect={CGPoint=dd}
// {CGSize=dd}}16@0:8", "v12@?0B8"), computed from C++ types, and interned by shape so that
// one shape has one Signature object in the whole process, whichever library asks for it.
// The shape leaves out what does not change how a call is made: frame offsets, type
// qualifiers, the class named by an object type, a block's mark on an object type.
#include <string>
#include <string_view>
#include <type_traits>

#include "runtime/types.h"

namespace rt {

struct Signature {
  std::string shape;
  std::string readable;  // the first full encoding interned with this shape
};

const Signature* internSignature(std::string_view types);

// The encoding of one C++ type.
template <class T>
constexpr const char* typeLetter() {
  using U = std::remove_cv_t<T>;
  if constexpr (std::is_void_v<U>) return "v";
  else if constexpr (std::is_same_v<U, id>) return "@";
  else if constexpr (std::is_same_v<U, SEL>) return ":";
  else if constexpr (std::is_same_v<U, Class>) return "#";
  else if constexpr (std::is_same_v<U, bool>) return "B";
  else if constexpr (std::is_same_v<U, char> || std::is_same_v<U, signed char>) return "c";
  else if constexpr (std::is_same_v<U, int>) return "i";
  else if constexpr (std::is_same_v<U, unsigned>) return "I";
  else if constexpr (std::is_same_v<U, long> || std::is_same_v<U, long long>) return "q";
  else if constexpr (std::is_same_v<U, unsigned long> || std::is_same_v<U, unsigned long long>)
    return "Q";
  else if constexpr (std::is_same_v<U, float>) return "f";
  else if constexpr (std::is_same_v<U, double>) return "d";
  else if constexpr (std::is_pointer_v<U>) return "^v";
  else return "{?}";
}

template <class T>
const std::string& encodingOf() {
  static const std::string text = typeLetter<T>();
  return text;
}

template <class Fn>
struct FunctionTypes;

// A method: R (*)(id, SEL, A...).
template <class R, class... A>
struct FunctionTypes<R (*)(id, SEL, A...)> {
  static std::string make() {
    std::string s = typeLetter<R>();
    s += "@:";
    ((s += typeLetter<A>()), ...);
    return s;
  }
};

// A block: R(A...).
template <class R, class... A>
struct FunctionTypes<R(A...)> {
  static std::string make() {
    std::string s = typeLetter<R>();
    s += "@?";
    ((s += typeLetter<A>()), ...);
    return s;
  }
};

// The device's encoding of a method type `R (*)(id, SEL, A...)` or a block type `R(A...)`.
template <class Fn>
const std::string& typesOf() {
  static const std::string text = FunctionTypes<Fn>::make();
  return text;
}

template <class Fn>
inline const Signature* signatureOf() {
  static const Signature* const sig = internSignature(typesOf<Fn>());
  return sig;
}

}  // namespace rt
