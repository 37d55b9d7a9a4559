#include "runtime/type_layout.h"

#include <algorithm>
#include <charconv>

#include "runtime/signature.h"

namespace rt {

namespace {

std::optional<TypeLayout> scalarLayout(char c) {
  switch (c) {
    case 'c': case 'C': case 'B': return TypeLayout{1, 1};
    case 's': case 'S': return TypeLayout{2, 2};
    case 'i': case 'I': case 'l': case 'L': case 'f': return TypeLayout{4, 4};
    case 'q': case 'Q': case 'd': case '@': case '#': case ':': case '*': case '^': return TypeLayout{8, 8};
    case 'D': return TypeLayout{16, 16};
    case 'v': return TypeLayout{0, 1};
    default: return std::nullopt;
  }
}

size_t roundUp(size_t n, size_t align) { return (n + align - 1) / align * align; }

// A structure's members laid one after another, or a union's over each other.
std::optional<TypeLayout> aggregateLayout(std::string_view members, bool overlap) {
  TypeLayout whole{0, 1};
  while (!members.empty()) {
    std::optional<EncodedType> member = readType(members);
    if (!member) return std::nullopt;
    std::optional<TypeLayout> m = typeLayout(member->type);
    if (!m) return std::nullopt;
    whole.size = overlap ? std::max(whole.size, m->size) : roundUp(whole.size, m->align) + m->size;
    whole.align = std::max(whole.align, m->align);
    members = member->rest;
  }
  return TypeLayout{roundUp(whole.size, whole.align), whole.align};
}

}  // namespace

std::optional<TypeLayout> typeLayout(std::string_view type) {
  if (type.empty()) return std::nullopt;
  char c = type.front();
  if (c == '[') {
    size_t count = 0;
    auto [end, error] = std::from_chars(type.data() + 1, type.data() + type.size(), count);
    size_t digits = end - type.data();
    std::optional<TypeLayout> element = typeLayout(type.substr(digits, type.size() - digits - 1));
    if (error != std::errc() || !element) return std::nullopt;
    return TypeLayout{count * element->size, element->align};
  }
  if (c == '{' || c == '(') {
    size_t eq = type.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return aggregateLayout(type.substr(eq + 1, type.size() - eq - 2), c == '(');
  }
  return scalarLayout(c);
}

bool forEachPart(std::string_view type, const std::function<bool(std::string_view part, size_t offset)>& each) {
  if (type.empty()) return false;
  if (type.front() == '[') {
    size_t count = 0;
    auto [end, error] = std::from_chars(type.data() + 1, type.data() + type.size(), count);
    size_t digits = end - type.data();
    std::string_view element = type.substr(digits, type.size() - digits - 1);
    std::optional<TypeLayout> layout = typeLayout(element);
    if (error != std::errc() || !layout) return false;
    for (size_t i = 0; i < count && layout->size > 0; ++i)
      if (!each(element, i * layout->size)) break;
    return true;
  }
  size_t eq = type.find('=');
  if ((type.front() != '{' && type.front() != '(') || eq == std::string_view::npos) return false;
  bool overlap = type.front() == '(';
  size_t at = 0;
  for (std::string_view members = type.substr(eq + 1, type.size() - eq - 2); !members.empty();) {
    std::optional<EncodedType> member = readType(members);
    std::optional<TypeLayout> m = member ? typeLayout(member->type) : std::nullopt;
    if (!m) return false;
    if (!overlap) at = roundUp(at, m->align);
    if (!each(member->type, at)) break;
    if (!overlap) at += m->size;
    members = member->rest;
  }
  return true;
}

bool returnsInMemory(std::string_view types) {
  std::optional<EncodedType> result = readType(types);
  if (!result || (result->type.front() != '{' && result->type.front() != '(')) return false;
  std::optional<TypeLayout> layout = typeLayout(result->type);
  return layout && layout->size > 16;
}

}  // namespace rt
