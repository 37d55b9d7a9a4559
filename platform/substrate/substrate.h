#pragma once
// MSHookMessageEx: replaces a method of a class and hands back an implementation that
// calls the previous one (a slot stub, which a message trace sees). When `cls` itself
// defines `sel`, its implementation is replaced and `*slot` calls the old one; when only a
// superclass defines it, `cls` gets a method of its own and `*slot` calls the
// superclass's implementation. A nil class or a selector that nobody defines installs
// nothing and leaves `*slot` as it was. The C function takes any implementation, as on the
// device; the typed C++ form checks that the replacement's type has the method's shape (a
// mismatch is a fatal error). Every call is recorded with its caller and outcome
// (runtime/hook_records.h). Call only while no other thread sends messages (the
// library's initialisers).
#include <substrate.h>

#include "runtime/runtime.h"

namespace rt {
// `sig` null: the replacement is not checked and the method keeps its type.
void hookMessage(Class cls, SEL sel, IMP replacement, const Signature* sig, IMP* slot);
}

template <class R, class... A>
void MSHookMessageEx(Class cls, SEL sel, R (*replacement)(id, SEL, A...),
                     R (**slot)(id, SEL, A...)) {
  using Fn = R (*)(id, SEL, A...);
  rt::hookMessage(cls, sel, reinterpret_cast<IMP>(replacement), rt::signatureOf<Fn>(),
                  reinterpret_cast<IMP*>(slot));
}
