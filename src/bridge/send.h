#pragma once
// Typed sends over objc_msgSend: each call casts the untyped send to the function type its
// arguments and result give, as the device's compiler does, and passes a Strong as the
// object it holds. A nil receiver answers zero, a structure included. Nothing is checked:
// the argument types must be the ones the method takes (an NSInteger, not an int).
#include <objc/NSObjCRuntime.h>
#include <objc/message.h>

#include <type_traits>

#include "bridge/selector.h"
#include "bridge/strong.h"

namespace lv {

namespace detail {

// Structures that x86-64 returns in memory go through the _stret forms; arm64 has none.
template <class R>
constexpr bool returnsInMemory() {
#if defined(__x86_64__)
  if constexpr (std::is_class_v<R>) return sizeof(R) > 16;
#endif
  return false;
}

template <class R>
constexpr bool kReturnsInMemory = returnsInMemory<R>();

template <class A>
using Param = decltype(unwrap(std::declval<A>()));

}  // namespace detail

template <class R = void, class... A>
inline R send(id receiver, SEL sel, A... args) {
  if constexpr (std::is_class_v<R>) {
    if (!receiver) return R{};
  }
  if constexpr (detail::kReturnsInMemory<R>) {
    R result;
    reinterpret_cast<void (*)(R*, id, SEL, detail::Param<A>...)>(objc_msgSend_stret)(&result, receiver, sel,
                                                                                      unwrap(args)...);
    return result;
  } else {
    return reinterpret_cast<R (*)(id, SEL, detail::Param<A>...)>(objc_msgSend)(receiver, sel, unwrap(args)...);
  }
}

template <class R = void, class... A>
inline R send(Class receiver, SEL sel, A... args) {
  return send<R>(reinterpret_cast<id>(receiver), sel, args...);
}

template <class R = void, class... A>
inline R send(const Strong& receiver, SEL sel, A... args) {
  return send<R>(receiver.get(), sel, args...);
}

// Sends to the implementation above `current`, the class whose method is running.
template <class R = void, class... A>
inline R sendSuper(Class current, id self, SEL sel, A... args) {
  objc_super super{self, current};
  if constexpr (detail::kReturnsInMemory<R>) {
    R result;
    reinterpret_cast<void (*)(R*, objc_super*, SEL, detail::Param<A>...)>(objc_msgSendSuper2_stret)(
        &result, &super, sel, unwrap(args)...);
    return result;
  } else {
    return reinterpret_cast<R (*)(objc_super*, SEL, detail::Param<A>...)>(objc_msgSendSuper2)(&super, sel,
                                                                                             unwrap(args)...);
  }
}

// alloc, then `init` (or the initialiser given), owned by the result. As on the device, an
// initialiser that fails frees what alloc made.
template <class... A>
[[nodiscard]] inline Strong create(Class cls, SEL init, A... args) {
  return Strong::adopt(send<id>(send<id>(cls, "alloc"_sel), init, args...));
}

[[nodiscard]] inline Strong create(Class cls) { return create(cls, "init"_sel); }

}  // namespace lv
