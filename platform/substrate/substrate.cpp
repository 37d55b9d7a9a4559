#include "substrate/substrate.h"

#include "runtime/type_layout.h"
#include "substrate/slot_stub.h"

namespace rt {

void hookMessage(Class cls, SEL sel, IMP replacement, const Signature* sig, IMP* slot) {
  if (!cls || !sel || !replacement) return;
  const objc_method* existing = findMethod(cls, sel);
  if (!existing) return;
  if (sig && existing->signature != sig) {
    fatal("MSHookMessageEx: " + messageName(cls, sel) + ": the replacement is " + sig->readable +
          ", the method is " + (existing->signature ? existing->signature->readable : "untyped"));
  }
  IMP previous = existing->imp;
  const Signature* kept = existing->signature;
  std::string types = existing->types;
  installMethod(cls, sel, replacement, kept, types.c_str());
  if (slot) *slot = slotStub(previous, returnsInMemory(types));
}

}  // namespace rt

extern "C" void MSHookMessageEx(Class cls, SEL sel, IMP hook, IMP* old) {
  rt::hookMessage(cls, sel, hook, nullptr, old);
}
