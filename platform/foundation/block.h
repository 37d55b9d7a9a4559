#pragma once
// Blocks as runtime objects, in the device's Block ABI (sdk/Block.h). A block
// argument of a message is an object that may be nil: one made by a compiler with blocks,
// or one made from a C++ callable by `fnd::block`. Passing one through `send`:
//
//   send<void>(objc_getClass("UIView"), "animateWithDuration:animations:completion:"_sel, 0.3,
//              fnd::block<void()>([=] { ... }),
//              fnd::block<void(bool)>([=](bool finished) { ... }));
//
// `fnd::block` returns an autoreleased heap block (+0). A receiver that keeps a block keeps
// a copy (`fnd::keepBlock`): a stack block must outlive the frame that made it. Calling a
// block with a signature other than its own is a fatal error.
#include <Block.h>

#include <cstddef>
#include <functional>
#include <new>
#include <type_traits>
#include <utility>

#include "runtime/runtime.h"

namespace fnd {

// Whether `obj` is a block: its class is one of the three block classes.
inline bool isBlock(id obj) {
  Class cls = obj->isa;
  return cls == reinterpret_cast<Class>(_NSConcreteMallocBlock) ||
         cls == reinterpret_cast<Class>(_NSConcreteStackBlock) ||
         cls == reinterpret_cast<Class>(_NSConcreteGlobalBlock);
}

inline const char* blockSignature(const Block_layout* block) {
  if (!(block->flags & BLOCK_HAS_SIGNATURE)) return nullptr;
  auto* rest = reinterpret_cast<const char*>(block->descriptor + 1);
  if (block->flags & BLOCK_HAS_COPY_DISPOSE) rest += sizeof(Block_descriptor_2);
  return reinterpret_cast<const Block_descriptor_3*>(rest)->signature;
}

// A strong reference to a copy of `block` (nil stays nil); anything but a block is fatal.
Ref<> keepBlock(id block);

[[noreturn]] void notABlock(id obj);
[[noreturn]] void blockSignatureMismatch(id block, const rt::Signature* want);

// The traced frame that made or copied the heap block `block`, while a message trace is on.
rt::TraceOrigin blockOrigin(id block);

namespace detail {

struct BlockDescriptor {
  Block_descriptor_1 sizes;
  Block_descriptor_2 helpers;
  Block_descriptor_3 types;
};

// A heap block of `size` bytes with a count of 1, its callable not yet constructed.
void* allocateHeapBlock(size_t size, void (*invoke)(void*, ...), const BlockDescriptor* descriptor);

// Called by the block runtime as heap blocks are made from stack blocks and freed.
void noteBlockCopied(const void* block);
void forgetBlock(const void* block);

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
  static const BlockDescriptor* descriptor() {
    static const BlockDescriptor d{
        {0, sizeof(CallableBlock)}, {copy, dispose}, {rt::typesOf<R(A...)>().c_str(), nullptr}};
    return &d;
  }
};

template <class F>
inline constexpr bool kMayBeEmpty = std::is_pointer_v<F> || std::is_member_pointer_v<F>;
template <class S>
inline constexpr bool kMayBeEmpty<std::function<S>> = true;

}  // namespace detail

// A heap block of signature `Sig` calling `body`; nil for an empty function, as a nil
// block on the device.
template <class Sig, class F>
id block(F&& body) {
  using Fn = std::decay_t<F>;
  if constexpr (std::is_null_pointer_v<Fn>) {
    return nil;
  } else {
    if constexpr (detail::kMayBeEmpty<Fn>)
      if (!body) return nil;
    static_assert(alignof(Fn) <= alignof(std::max_align_t));
    using B = detail::CallableBlock<Sig, Fn>;
    void* memory = detail::allocateHeapBlock(
        sizeof(B), reinterpret_cast<void (*)(void*, ...)>(reinterpret_cast<void (*)()>(&B::invoke)), B::descriptor());
    new (&static_cast<B*>(memory)->body) Fn(std::forward<F>(body));
    return rt::autorelease(static_cast<id>(memory));
  }
}

// Calls `block` as a function of signature R(A...); a nil block does nothing and yields R{}.
template <class R = void, class... A>
R callBlock(id block, A... args) {
  if (!block) return rt::zeroResult<R>();
  if (!isBlock(block)) notABlock(block);
  auto* layout = reinterpret_cast<const Block_layout*>(block);
  // Blocks made here carry the encoding string itself; others are compared by shape.
  const char* types = blockSignature(layout);
  if (types && types != rt::typesOf<R(A...)>().c_str() &&
      rt::internSignature(types) != rt::signatureOf<R(A...)>())
    blockSignatureMismatch(block, rt::signatureOf<R(A...)>());
  return reinterpret_cast<R (*)(void*, A...)>(reinterpret_cast<void (*)()>(layout->invoke))(block, args...);
}

// Calls a completion handed to the platform, as callBlock does; where the platform delivers
// one. A block that traced code made runs in a Completion frame named after its maker.
template <class... A>
void callCompletion(id block, A... args) {
  rt::TraceOrigin origin;
  if (rt::g_messageObserver && block) [[unlikely]]
    origin = blockOrigin(block);
  if (!origin.receiverClass) return callBlock<void>(block, args...);
  rt::TraceFrame frame(rt::TraceKind::Completion, origin.receiverClass, origin.selector);
  callBlock<void>(block, args...);
}

}  // namespace fnd
