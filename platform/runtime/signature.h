#pragma once
// Method and block types as the device encodes them ("v24@0:8d16", "{CGRect={CGPoint=dd}
// {CGSize=dd}}16@0:8", "v12@?0B8"), computed from C++ types, and interned by shape so that
// one shape has one Signature object in the whole process, whichever library asks for it.
// The shape leaves out what does not change how a call is made: frame offsets, type
// qualifiers, the class named by an object type, a block's mark on an object type.
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "runtime/object.h"
#include "runtime/types.h"

namespace rt {

struct Signature {
  std::string shape;
  std::string readable;  // the first full encoding interned with this shape
};

const Signature* internSignature(std::string_view types);

// What internSignature interns `types` by. Text that is not a whole type is kept as written.
std::string shapeOf(std::string_view types);

// One type of an encoding: "r*8" reads as qualifiers "r", type "*", offset "8".
struct EncodedType {
  std::string_view qualifiers;
  std::string_view type;
  std::string_view offset;  // the frame offset's digits, empty when none follow
  std::string_view rest;    // what follows
};

// Reads the type at the start of `types`; nullopt when it does not begin with a whole type.
std::optional<EncodedType> readType(std::string_view types);

// A structure's encoding, "{tag=members}". Declared beside the structure's definition:
//   LV_STRUCT_ENCODING(CGSize, "CGSize", &CGSize::width, &CGSize::height)
template <class T, class... M>
struct StructLayout {
  const char* tag;
};

template <class... M>
constexpr size_t laidOutSize() {
  size_t size = 0, align = 1;
  ((size = (size + alignof(M) - 1) / alignof(M) * alignof(M) + sizeof(M),
    align = std::max(align, alignof(M))),
   ...);
  return (size + align - 1) / align * align;
}

template <class T, class... M>
constexpr StructLayout<T, M...> structLayout(const char* tag, M T::*...) {
  static_assert(laidOutSize<M...>() == sizeof(T), "list every member of the structure, in order");
  return {tag};
}

}  // namespace rt

#define LV_STRUCT_ENCODING(Type, tag, ...)                 \
  constexpr auto lvStructLayout(const Type*) {              \
    return ::rt::structLayout<Type>(tag, __VA_ARGS__);      \
  }

namespace rt {

namespace encoding {

// Where in a type the encoder is, which decides what it spells out as clang does: the
// read-only mark only on the outermost type; the members of a structure reached through a
// pointer only when the pointer is not itself inside a structure or behind a pointer (so
// that a structure that points to its own kind ends).
enum class Depth { Outermost, Component, Inside, Bare };

template <class T>
concept DeclaredStruct = requires(const T* p) { lvStructLayout(p); };

// `E{0}` compiles only for an enum with a fixed underlying type; clang encodes any other as int.
template <class E>
concept FixedEnum = requires { E{std::underlying_type_t<E>{}}; };

template <class T>
constexpr bool kUnknown = false;

template <class P>
constexpr bool endsInConst() {
  if constexpr (std::is_pointer_v<P>) return endsInConst<std::remove_pointer_t<P>>();
  else return std::is_const_v<P>;
}

template <class T>
void append(std::string& s, Depth depth);

template <class T, class... M>
void appendStruct(std::string& s, StructLayout<T, M...> layout, Depth depth) {
  s += '{';
  s += layout.tag;
  if (depth != Depth::Bare) {
    s += '=';
    (append<M>(s, Depth::Inside), ...);
  }
  s += '}';
}

template <class P>
void appendPointer(std::string& s, Depth depth) {
  using Q = std::remove_cv_t<P>;
  if constexpr (std::is_same_v<Q, objc_class>) {
    s += '#';
  } else if constexpr (std::is_convertible_v<Q*, objc_object*>) {
    s += '@';
  } else {
    if (depth == Depth::Outermost && endsInConst<P>()) s += 'r';
    if constexpr (std::is_same_v<Q, char> || std::is_same_v<Q, signed char> ||
                  std::is_same_v<Q, unsigned char>)
      s += '*';
    else if constexpr (std::is_function_v<Q>)
      s += "^?";
    else if constexpr ((std::is_class_v<Q> && !DeclaredStruct<Q>) || std::is_union_v<Q>)
      s += "^v";
    else {
      s += '^';
      bool expand = depth == Depth::Outermost || depth == Depth::Component;
      append<Q>(s, expand ? Depth::Inside : Depth::Bare);
    }
  }
}

template <class T>
void append(std::string& s, Depth depth) {
  using U = std::remove_cv_t<T>;
  if constexpr (std::is_void_v<U>) s += 'v';
  else if constexpr (std::is_same_v<U, bool>) s += 'B';
  else if constexpr (std::is_same_v<U, char> || std::is_same_v<U, signed char>) s += 'c';
  else if constexpr (std::is_same_v<U, unsigned char>) s += 'C';
  else if constexpr (std::is_same_v<U, short>) s += 's';
  else if constexpr (std::is_same_v<U, unsigned short>) s += 'S';
  else if constexpr (std::is_same_v<U, int>) s += 'i';
  else if constexpr (std::is_same_v<U, unsigned>) s += 'I';
  else if constexpr (std::is_same_v<U, long> || std::is_same_v<U, long long>) s += 'q';
  else if constexpr (std::is_same_v<U, unsigned long> || std::is_same_v<U, unsigned long long>)
    s += 'Q';
  else if constexpr (std::is_same_v<U, float>) s += 'f';
  else if constexpr (std::is_same_v<U, double>) s += 'd';
  else if constexpr (std::is_same_v<U, long double>) s += 'D';
  else if constexpr (std::is_enum_v<U>) {
    if constexpr (FixedEnum<U>) append<std::underlying_type_t<U>>(s, depth);
    else s += 'i';
  } else if constexpr (std::is_same_v<U, SEL>) s += ':';
  else if constexpr (IsRef<U>::value) s += '@';
  else if constexpr (std::is_pointer_v<U>) appendPointer<std::remove_pointer_t<U>>(s, depth);
  else if constexpr (std::is_bounded_array_v<U>) {
    s += '[';
    s += std::to_string(std::extent_v<U>);
    append<std::remove_extent_t<U>>(s, depth == Depth::Outermost ? Depth::Component : depth);
    s += ']';
  } else if constexpr (DeclaredStruct<U>) {
    appendStruct(s, lvStructLayout(static_cast<const U*>(nullptr)), depth);
  } else {
    static_assert(kUnknown<U>, "no encoding: declare the structure's with LV_STRUCT_ENCODING");
  }
}

// A value's size in an argument frame: integers and enums take at least an int's.
template <class T>
constexpr size_t frameSize() {
  if constexpr (std::is_integral_v<T> || std::is_enum_v<T>) return std::max(sizeof(T), sizeof(int));
  else return sizeof(T);
}

}  // namespace encoding

// The device's encoding of one C++ type, as `@encode` writes it.
template <class T>
const std::string& encodingOf() {
  static const std::string text = [] {
    std::string s;
    encoding::append<T>(s, encoding::Depth::Outermost);
    return s;
  }();
  return text;
}

// Return type, frame size, then the implicit arguments (`self`, `head`) and each argument,
// every one followed by its offset in the frame.
template <class R, class... A>
std::string frameEncoding(const char* head, size_t headSize) {
  std::string s = encodingOf<R>();
  s += std::to_string((headSize + ... + encoding::frameSize<A>()));
  s += head;
  [[maybe_unused]] size_t offset = headSize;
  ((s += encodingOf<A>(), s += std::to_string(offset), offset += encoding::frameSize<A>()), ...);
  return s;
}

template <class Fn>
struct FunctionTypes;

// A method: R (*)(id, SEL, A...).
template <class R, class... A>
struct FunctionTypes<R (*)(id, SEL, A...)> {
  static std::string make() { return frameEncoding<R, A...>("@0:8", 2 * sizeof(void*)); }
};

// A block: R(A...).
template <class R, class... A>
struct FunctionTypes<R(A...)> {
  static std::string make() { return frameEncoding<R, A...>("@?0", sizeof(void*)); }
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
