#pragma once
// Interned selectors. Each selector has a dense index used by the per-class method cache.
// `"setFrame:"_sel` interns once per call site and is a static load afterwards.
#include <algorithm>
#include <cstdint>
#include <string>

#include "runtime/types.h"

// The index comes first: objc_msgSend's assembly reads it at offset 0.
struct objc_selector {
  uint32_t index;
  std::string name;
};

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
