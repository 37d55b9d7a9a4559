#pragma once
// Signatures of implementations, interned so that one C++ function type has one
// Signature object in the whole process, whichever shared library asks for it.
#include <string>
#include <typeinfo>

namespace rt {

struct Signature {
  std::string mangled;
  std::string readable;  // demangled, for error messages
};

const Signature* internSignature(const std::type_info& type);

template <class Fn>
inline const Signature* signatureOf() {
  static const Signature* const sig = internSignature(typeid(Fn));
  return sig;
}

}  // namespace rt
