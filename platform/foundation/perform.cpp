#include "foundation/perform.h"

#include <string>

namespace fnd {

id perform(id target, SEL sel, id object) {
  if (!target) return nil;
  if (!sel) rt::fatal("performSelector: the selector is null");
  using Void1 = void (*)(id, SEL, id);
  using Void0 = void (*)(id, SEL);
  using Object1 = id (*)(id, SEL, id);
  using Object0 = id (*)(id, SEL);
  const objc_method* m = rt::lookup(target->isa, sel);
  if (!m) rt::unrecognizedSelector(target, sel);
  rt::TraceFrame frame(m->imp, target, sel);
  const rt::Signature* sig = m->signature;
  if (sig == rt::signatureOf<Void1>()) {
    reinterpret_cast<Void1>(m->imp)(target, sel, object);
    return nil;
  }
  if (sig == rt::signatureOf<Void0>()) {
    reinterpret_cast<Void0>(m->imp)(target, sel);
    return nil;
  }
  if (sig == rt::signatureOf<Object1>()) return reinterpret_cast<Object1>(m->imp)(target, sel, object);
  if (sig == rt::signatureOf<Object0>()) return reinterpret_cast<Object0>(m->imp)(target, sel);
  rt::fatal(rt::messageName(target->isa, sel) + ": cannot be performed: the method is " + (sig ? sig->readable : "untyped") +
            ", a performed method takes one object or nothing and returns an object or nothing");
}

}  // namespace fnd
