#include "substrate/substrate.h"

namespace rt {

void hookMessage(Class cls, SEL sel, IMP replacement, const Signature* sig, IMP* slot) {
  if (!cls || !sel || !replacement) return;
  const objc_method* existing = findMethod(cls, sel);
  if (!existing) return;
  if (existing->signature != sig) {
    fatal(std::string("MSHookMessageEx: -[") + cls->name + " " + sel_getName(sel) +
          "]: the replacement is " + sig->readable + ", the method is " +
          (existing->signature ? existing->signature->readable : "untyped"));
  }
  IMP previous = existing->imp;
  std::string types = existing->types;
  installMethod(cls, sel, replacement, sig, types.c_str());
  if (slot) *slot = previous;
}

}  // namespace rt
