#pragma once
// Sending messages. The fast path (cache hit, signature pointer compare, indirect call)
// is inline here; misses, traced sends, unknown selectors and signature mismatches go out
// of line.
#include <type_traits>

#include "runtime/class.h"
#include "runtime/message_trace.h"

namespace rt {

// Empties every class's method cache: after any change of a method table, and when a
// message observer comes or goes.
void emptyMethodCaches();

// What a cache slot holds before its selector is looked up (never an implementation).
[[gnu::visibility("hidden")]] extern const objc_method g_unlookedMethod;

const objc_method* lookupSlow(Class cls, SEL sel);
[[noreturn]] void unrecognizedSelector(id receiver, SEL sel);
[[noreturn]] void signatureMismatch(Class cls, SEL sel, const Signature* have,
                                    const Signature* want);

inline const objc_method* lookup(Class cls, SEL sel) {
  const ClassHead* c = head(cls);
  if (sel->index < c->cacheSize) [[likely]] {
    const objc_method* m = c->cacheSlots[sel->index];
    if (m != &g_unlookedMethod) [[likely]]
      return m;
  }
  return lookupSlow(cls, sel);
}

// Argument types as the method sees them: any object pointer or strong reference is an
// `id`, and a literal nil is an `id`.
template <class T>
struct MessageArg {
  using type = T;
};
template <class T>
  requires(std::is_base_of_v<objc_object, T> && !std::is_base_of_v<objc_class, T>)
struct MessageArg<T*> {
  using type = id;
};
template <class T>
struct MessageArg<Ref<T>> {
  using type = id;
};
template <>
struct MessageArg<std::nullptr_t> {
  using type = id;
};
template <class T>
using message_arg_t = typename MessageArg<std::remove_cvref_t<T>>::type;

// An argument as the method receives it: a strong reference lends its object.
template <class A>
inline message_arg_t<A> messageArg(const A& arg) {
  if constexpr (IsRef<A>::value)
    return arg.get();
  else
    return static_cast<message_arg_t<A>>(arg);
}

template <class R>
inline R zeroResult() {
  if constexpr (!std::is_void_v<R>) return R{};
}

template <class R, class... A>
[[gnu::noinline]] R tracedCall(R (*fn)(id, SEL, A...), id self, SEL sel, A... args) {
  const TracedValue arguments[sizeof...(A) + 1] = {{encodingOf<A>(), &args}..., {}};  // never empty
  TraceFrame frame(reinterpret_cast<IMP>(fn), self, sel, std::span(arguments, sizeof...(A)));
  if constexpr (std::is_void_v<R>) {
    fn(self, sel, args...);
  } else {
    R result = fn(self, sel, args...);
    frame.returned({encodingOf<R>(), &result});
    return result;
  }
}

// The signature sends of type Fn have matched, or before the first the slot's own address,
// which no method's signature equals. Constant-initialised, so the fast path checks a
// signature with one load and compare and no initialisation guard.
template <class Fn>
constinit inline const void* g_sendSignature = &g_sendSignature<Fn>;

template <class Fn>
[[gnu::noinline]] void checkSignature(Class start, SEL sel, const Signature* have) {
  const Signature* want = signatureOf<Fn>();
  if (have != want) signatureMismatch(start, sel, have, want);
  g_sendSignature<Fn> = want;
}

template <class R, class... A>
[[gnu::noinline]] R invokeSlow(Class start, id self, SEL sel, A... args) {
  using Fn = R (*)(id, SEL, A...);
  const objc_method* m = lookupSlow(start, sel);
  if (!m) unrecognizedSelector(self, sel);
  if (m->signature != g_sendSignature<Fn>) checkSignature<Fn>(start, sel, m->signature);
  if (g_messageObserver) return tracedCall(reinterpret_cast<Fn>(m->imp), self, sel, args...);
  return reinterpret_cast<Fn>(m->imp)(self, sel, args...);
}

template <class R, class... A>
inline R invoke(Class start, id self, SEL sel, A... args) {
  using Fn = R (*)(id, SEL, A...);
  const ClassHead* c = head(start);
  if (sel->index < c->cacheSize) [[likely]] {
    // A slot not looked up yet, a method of another signature, one with none: the slow
    // path sorts them out.
    const objc_method* m = c->cacheSlots[sel->index];
    if (m->signature == g_sendSignature<Fn>) [[likely]]
      return reinterpret_cast<Fn>(m->imp)(self, sel, args...);
  }
  return invokeSlow<R, A...>(start, self, sel, args...);
}

}  // namespace rt

// Sends `sel` to `receiver`. A nil receiver does nothing and yields a zero R. The
// implementation's signature must be exactly R(id, SEL, Args...) after object pointers
// are read as `id`; anything else is a fatal error naming class and selector.
template <class R = void, class... A>
inline R send(id receiver, SEL sel, A&&... args) {
  if (!receiver) return rt::zeroResult<R>();
  return rt::invoke<R, rt::message_arg_t<A>...>(receiver->isa, receiver, sel, rt::messageArg(args)...);
}

template <class R = void, class T, class... A>
inline R send(const Ref<T>& receiver, SEL sel, A&&... args) {
  return send<R>(static_cast<id>(receiver.get()), sel, std::forward<A>(args)...);
}

template <class R = void, class... A>
inline R send(Class receiver, SEL sel, A&&... args) {
  return send<R>(reinterpret_cast<id>(receiver), sel, std::forward<A>(args)...);
}

// A literal nil receiver.
template <class R = void, class... A>
inline R send(std::nullptr_t, SEL, A&&...) {
  return rt::zeroResult<R>();
}

// Sends `sel` to `receiver`, starting the method search at `start` (the superclass of
// the class whose implementation is calling, for instance methods).
template <class R = void, class... A>
inline R sendSuper(Class start, id receiver, SEL sel, A&&... args) {
  if (!receiver || !start) return rt::zeroResult<R>();
  return rt::invoke<R, rt::message_arg_t<A>...>(start, receiver, sel, rt::messageArg(args)...);
}

namespace rt {

// alloc + init… in one call, owned by the result. An initialiser that answers nil (or a
// substitute) leaves the allocation to its caller, which frees it here.
template <class... A>
Ref<objc_object> create(Class cls, SEL init, A&&... args) {
  id obj = send<id>(cls, "alloc"_sel);
  id result = send<id>(obj, init, std::forward<A>(args)...);
  if (result != obj) release(obj);
  return Ref<objc_object>::adopt(result);
}

inline Ref<objc_object> create(Class cls) { return create(cls, "init"_sel); }

inline Ref<objc_object> create(const char* className) { return create(objc_getClass(className)); }

}  // namespace rt
