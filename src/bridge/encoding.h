#pragma once
// Type encodings as the device's compiler writes them for methods and blocks, computed from
// a C++ function type: "v24@0:8d16" for void(id, SEL, double). Each argument's offset
// follows the ones before it, an argument narrower than an int taking an int's room. Only
// the types the library's own methods and blocks take are known.
#include <CoreGraphics/CGGeometry.h>
#include <objc/objc.h>

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>

namespace lv {

template <class T, class = void>
struct Encoding;

#define LV_ENCODING(type, text)                         \
  template <>                                           \
  struct Encoding<type> {                               \
    static constexpr std::string_view value = text;     \
  }
LV_ENCODING(void, "v");
LV_ENCODING(bool, "B");
LV_ENCODING(long, "q");
LV_ENCODING(unsigned long, "Q");
LV_ENCODING(float, "f");
LV_ENCODING(double, "d");
LV_ENCODING(id, "@");
LV_ENCODING(SEL, ":");
LV_ENCODING(CGPoint, "{CGPoint=dd}");
LV_ENCODING(CGSize, "{CGSize=dd}");
LV_ENCODING(CGRect, "{CGRect={CGPoint=dd}{CGSize=dd}}");
#undef LV_ENCODING

template <class E>
struct Encoding<E, std::enable_if_t<std::is_enum_v<E>>> : Encoding<std::underlying_type_t<E>> {};

// Marks the block literal itself, the first argument of a block's invoke function.
struct BlockLiteral;
template <>
struct Encoding<BlockLiteral*> {
  static constexpr std::string_view value = "@?";
};

namespace detail {

constexpr size_t kMaxEncoding = 160;

template <class T>
constexpr size_t frameSize() {
  return sizeof(T) < sizeof(int) ? sizeof(int) : sizeof(T);
}

constexpr size_t appendNumber(std::array<char, kMaxEncoding>& out, size_t at, size_t n) {
  char digits[20] = {};
  size_t count = 0;
  do {
    digits[count++] = char('0' + n % 10);
    n /= 10;
  } while (n);
  while (count) out[at++] = digits[--count];
  return at;
}

constexpr size_t appendText(std::array<char, kMaxEncoding>& out, size_t at, std::string_view text) {
  for (char c : text) out[at++] = c;
  return at;
}

template <class R, class... A>
constexpr std::array<char, kMaxEncoding> encode() {
  std::array<char, kMaxEncoding> out{};
  size_t at = appendText(out, 0, Encoding<R>::value);
  at = appendNumber(out, at, (frameSize<A>() + ... + 0));
  size_t offset = 0;
  ((at = appendNumber(out, appendText(out, at, Encoding<A>::value), offset), offset += frameSize<A>()), ...);
  return out;
}

template <class F>
struct EncodingOf;
template <class R, class... A>
struct EncodingOf<R (*)(A...)> {
  static constexpr std::array<char, kMaxEncoding> text = encode<R, A...>();
};

}  // namespace detail

// The encoding of a method implementation `R (*)(id, SEL, A...)` or of a block's invoke
// function `R (*)(BlockLiteral*, A...)`, as a C string that lives for the program.
template <class F>
constexpr const char* encodingOf() {
  return detail::EncodingOf<F>::text.data();
}

}  // namespace lv
