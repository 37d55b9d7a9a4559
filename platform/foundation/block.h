#pragma once
// Blocks as runtime objects. On the device a block argument of a message is an object
// that may be nil; here it is an `NSBlock` wrapping a std::function of one signature.
// Passing one through `send`:
//
//   send<void>(objc_getClass("UIView"), "animateWithDuration:animations:completion:"_sel, 0.3,
//              fnd::block<void()>([=] { ... }),
//              fnd::block<void(bool)>([=](bool finished) { ... }));
//
// `fnd::block` returns an autoreleased object (+0); a receiver that keeps the block retains
// it. Calling a block with a signature other than its own is a fatal error.
#include <functional>
#include <utility>

#include "runtime/runtime.h"

struct NSBlock : objc_object {
  const rt::Signature* signature = nullptr;
};

namespace fnd {

template <class Sig>
struct TypedBlock final : NSBlock {
  std::function<Sig> body;
};

Class blockClass();
[[noreturn]] void blockSignatureMismatch(id block, const rt::Signature* want);

// nil for an empty function, as a nil block on the device.
template <class Sig>
id block(std::function<Sig> body) {
  if (!body) return nil;
  auto* b = new TypedBlock<Sig>;
  b->isa = blockClass();
  b->signature = rt::signatureOf<Sig>();
  b->body = std::move(body);
  rt::noteAllocation();
  return rt::autorelease(b);
}

// Calls `block` as a function of signature R(A...); a nil block does nothing and yields R{}.
template <class R = void, class... A>
R callBlock(id block, A... args) {
  if (!block) return rt::zeroResult<R>();
  if (!rt::isKindOfClass(block, blockClass()) ||
      static_cast<NSBlock*>(block)->signature != rt::signatureOf<R(A...)>())
    blockSignatureMismatch(block, rt::signatureOf<R(A...)>());
  return static_cast<TypedBlock<R(A...)>*>(block)->body(args...);
}

}  // namespace fnd
