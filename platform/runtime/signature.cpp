#include "runtime/signature.h"

#include <memory>
#include <unordered_map>

namespace rt {

namespace {

std::string shapeOf(std::string_view types) {
  std::string shape;
  for (char c : types)
    if (c < '0' || c > '9') shape += c;
  return shape;
}

}  // namespace

const Signature* internSignature(std::string_view types) {
  static auto* table = new std::unordered_map<std::string, std::unique_ptr<Signature>>;
  std::string shape = shapeOf(types);
  if (auto it = table->find(shape); it != table->end()) return it->second.get();
  auto sig = std::make_unique<Signature>(Signature{shape, std::string(types)});
  const Signature* result = sig.get();
  table->emplace(std::move(shape), std::move(sig));
  return result;
}

}  // namespace rt
