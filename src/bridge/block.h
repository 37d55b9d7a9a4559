#pragma once
// Blocks from C++ callables, in the device's Block ABI: `lv::block<void(bool)>(lambda)`
// lays the callable out as a stack block, as a compiler with blocks does, and answers an
// autoreleased heap copy (+0), or nil for an empty function. The copy and dispose helpers
// copy and destroy the callable; the signature is the device's encoding of the call.
#include <Block.h>
#include <objc/runtime.h>

#include <functional>
#include <new>
#include <type_traits>
#include <utility>

#include "bridge/encoding.h"

namespace lv {

namespace detail {

struct BlockDescriptor {
  Block_descriptor_1 sizes;
  Block_descriptor_2 helpers;
  Block_descriptor_3 types;
};

template <class Sig, class F>
struct CallableBlock;

template <class R, class... A, class F>
struct CallableBlock<R(A...), F> {
  Block_layout head;
  F body;

  static R invoke(void* self, A... args) { return static_cast<CallableBlock*>(self)->body(args...); }
  static void copy(void* dst, const void* src) {
    new (&static_cast<CallableBlock*>(dst)->body) F(static_cast<const CallableBlock*>(src)->body);
  }
  static void dispose(const void* self) {
    const_cast<CallableBlock*>(static_cast<const CallableBlock*>(self))->body.~F();
  }
  static constexpr BlockDescriptor kDescriptor{
      {0, sizeof(CallableBlock)}, {copy, dispose}, {encodingOf<R (*)(BlockLiteral*, A...)>(), nullptr}};
};

template <class F>
inline constexpr bool kMayBeEmpty = std::is_pointer_v<F>;
template <class S>
inline constexpr bool kMayBeEmpty<std::function<S>> = true;

}  // namespace detail

template <class Sig, class F>
id block(F&& body) {
  using Fn = std::decay_t<F>;
  if constexpr (detail::kMayBeEmpty<Fn>)
    if (!body) return nil;
  using B = detail::CallableBlock<Sig, Fn>;
  B literal{{_NSConcreteStackBlock, BLOCK_HAS_COPY_DISPOSE | BLOCK_HAS_SIGNATURE, 0,
             reinterpret_cast<void (*)(void*, ...)>(reinterpret_cast<void (*)()>(&B::invoke)),
             const_cast<Block_descriptor_1*>(&B::kDescriptor.sizes)},
            std::forward<F>(body)};
  return objc_autorelease(static_cast<id>(_Block_copy(&literal)));
}

}  // namespace lv
