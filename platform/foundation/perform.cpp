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
  const rt::Signature* sig = m->signature;
  const rt::TracedValue argument = {"@", &object};
  bool takesObject = sig == rt::signatureOf<Void1>() || sig == rt::signatureOf<Object1>();
  rt::TraceFrame frame(m->imp, target, sel, std::span(&argument, takesObject ? 1 : 0));
  if (sig == rt::signatureOf<Void1>()) {
    reinterpret_cast<Void1>(m->imp)(target, sel, object);
    return nil;
  }
  if (sig == rt::signatureOf<Void0>()) {
    reinterpret_cast<Void0>(m->imp)(target, sel);
    return nil;
  }
  if (sig == rt::signatureOf<Object1>() || sig == rt::signatureOf<Object0>()) {
    id result = takesObject ? reinterpret_cast<Object1>(m->imp)(target, sel, object)
                            : reinterpret_cast<Object0>(m->imp)(target, sel);
    frame.returned({"@", &result});
    return result;
  }
  rt::fatal(rt::messageName(target->isa, sel) + ": cannot be performed: the method is " + (sig ? sig->readable : "untyped") +
            ", a performed method takes one object or nothing and returns an object or nothing");
}

}  // namespace fnd
