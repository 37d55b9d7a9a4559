#pragma once
// Interned selectors. Each selector has a dense index used by the per-class method cache.
// `"setFrame:"_sel` interns once per call site and is a static load afterwards.
#include <algorithm>
#include <cstdint>
#include <string>

#include "runtime/types.h"

struct objc_selector {
  std::string name;
  uint32_t index;
};

SEL sel_registerName(const char* name);
const char* sel_getName(SEL sel);

namespace rt {
uint32_t selectorCount();

template <size_t N>
struct FixedString {
  char text[N];
  constexpr FixedString(const char (&s)[N]) { std::copy_n(s, N, text); }
};
}  // namespace rt

template <rt::FixedString S>
inline SEL operator""_sel() {
  static const SEL sel = sel_registerName(S.text);
  return sel;
}
