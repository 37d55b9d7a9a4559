#include "runtime/signature.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <unordered_map>

namespace rt {

namespace {

std::string demangle(const char* mangled) {
  int status = 0;
  char* text = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  std::string result = status == 0 && text ? text : mangled;
  std::free(text);
  return result;
}

}  // namespace

const Signature* internSignature(const std::type_info& type) {
  static auto* table = new std::unordered_map<std::string, std::unique_ptr<Signature>>;
  std::string mangled = type.name();
  if (auto it = table->find(mangled); it != table->end()) return it->second.get();
  auto sig = std::make_unique<Signature>(Signature{mangled, demangle(mangled.c_str())});
  const Signature* result = sig.get();
  table->emplace(std::move(mangled), std::move(sig));
  return result;
}

}  // namespace rt
