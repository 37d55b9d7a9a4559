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
  void (*destroy)(NSBlock* block) = nullptr;
  rt::TraceOrigin origin;  // set while a message trace is on: the traced frame that made it
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
  auto* b = static_cast<TypedBlock<Sig>*>(rt::allocateObjectStorage(sizeof(TypedBlock<Sig>)));
  new (b) TypedBlock<Sig>;
  b->isa = blockClass();
  b->destroy = +[](NSBlock* self) { static_cast<TypedBlock<Sig>*>(self)->~TypedBlock(); };
  b->signature = rt::signatureOf<Sig>();
  b->body = std::move(body);
  if (rt::g_messageObserver) [[unlikely]]
    b->origin = rt::currentTraceOrigin();
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

// Calls a completion handed to the platform, as callBlock does; where the platform delivers
// one. A block that traced code made runs in a Completion frame named after its maker.
template <class... A>
void callCompletion(id block, A... args) {
  rt::TraceOrigin origin;
  if (rt::g_messageObserver && rt::isKindOfClass(block, blockClass())) [[unlikely]]
    origin = static_cast<NSBlock*>(block)->origin;
  if (!origin.receiverClass) return callBlock<void>(block, args...);
  rt::TraceFrame frame(rt::TraceKind::Completion, origin.receiverClass, origin.selector);
  callBlock<void>(block, args...);
}

}  // namespace fnd
