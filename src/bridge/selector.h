#pragma once
// Selector literals: `"setFrame:"_sel` registers its name once and is a load and a test
// afterwards. The cell is constant-initialised, so a literal needs no initialisation guard
// and works in the load-time initialisers. Main thread (or the loading thread) only.
#include <objc/objc.h>

#include <algorithm>
#include <cstddef>

namespace lv {

template <size_t N>
struct FixedString {
  char text[N];
  constexpr FixedString(const char (&s)[N]) { std::copy_n(s, N, text); }
};

template <FixedString S>
constinit inline SEL g_selector = nullptr;

template <FixedString S>
[[gnu::noinline, gnu::cold]] SEL registerSelector() {
  return g_selector<S> = sel_registerName(S.text);
}

template <FixedString S>
inline SEL operator""_sel() {
  SEL sel = g_selector<S>;
  if (!sel) [[unlikely]]
    sel = registerSelector<S>();
  return sel;
}

}  // namespace lv
