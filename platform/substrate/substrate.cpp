#include "substrate/substrate.h"

#include "runtime/hook_records.h"
#include "substrate/slot_stub.h"

namespace {

void hookFrom(const void* caller, Class cls, SEL sel, IMP replacement, const rt::Signature* sig, IMP* slot) {
  using enum rt::HookOutcome;
  const objc_method* existing = cls && sel && replacement ? rt::findMethod(cls, sel) : nullptr;
  rt::HookOutcome outcome = !cls ? NoClass : !sel || !replacement ? NoSelector : !existing ? NotAnswered : Installed;
  rt::recordHook(caller, rt::HookFunction::HookMessage, outcome, cls, sel);
  if (!existing) return;
  if (sig && existing->signature != sig) {
    rt::fatal("MSHookMessageEx: " + rt::messageName(cls, sel) + ": the replacement is " + sig->readable +
              ", the method is " + (existing->signature ? existing->signature->readable : "untyped"));
  }
  IMP previous = existing->imp;
  const rt::Signature* kept = existing->signature;
  std::string types = existing->types;
  rt::installMethod(cls, sel, replacement, kept, types.c_str());
  if (slot) *slot = rt::slotStub(previous, kept);
}

}  // namespace

void rt::hookMessage(Class cls, SEL sel, IMP replacement, const Signature* sig, IMP* slot) {
  hookFrom(__builtin_return_address(0), cls, sel, replacement, sig, slot);
}

extern "C" void MSHookMessageEx(Class cls, SEL sel, IMP hook, IMP* old) {
  hookFrom(__builtin_return_address(0), cls, sel, hook, nullptr, old);
}
