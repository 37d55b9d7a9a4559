#pragma once
// Interned selectors. Each selector has a dense index used by the per-class method cache.
// `"setFrame:"_sel` interns once per spelling and is a load and test afterwards.
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

namespace rt {
// A literal's selector once registered. Constant-initialised to null, so that a literal
// costs one load and test, without an initialisation guard. Main thread only.
template <FixedString S>
constinit inline SEL g_literalSelector = nullptr;

template <FixedString S>
[[gnu::noinline, gnu::cold]] SEL registerLiteral() {
  return g_literalSelector<S> = sel_registerName(S.text);
}
}  // namespace rt

template <rt::FixedString S>
inline SEL operator""_sel() {
  SEL sel = rt::g_literalSelector<S>;
  if (!sel) [[unlikely]]
    sel = rt::registerLiteral<S>();
  return sel;
}
