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

// An array's element count and element type: "[4d]" is 4 of "d".
struct ArrayType {
  size_t count;
  std::string_view element;
};

std::optional<ArrayType> arrayOf(std::string_view type) {
  size_t count = 0;
  auto [end, error] = std::from_chars(type.data() + 1, type.data() + type.size(), count);
  if (error != std::errc()) return std::nullopt;
  size_t digits = end - type.data();
  return ArrayType{count, type.substr(digits, type.size() - digits - 1)};
}

}  // namespace

bool forEachPart(std::string_view type, const PartVisitor& each) {
  if (type.empty()) return false;
  if (type.front() == '[') {
    std::optional<ArrayType> array = arrayOf(type);
    std::optional<TypeLayout> layout = array ? typeLayout(array->element) : std::nullopt;
    if (!layout) return false;
    for (size_t i = 0; i < array->count && layout->size > 0; ++i)
      if (!each(array->element, i * layout->size, *layout)) break;
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
    if (!each(member->type, at, *m)) break;
    if (!overlap) at += m->size;
    members = member->rest;
  }
  return true;
}

std::optional<TypeLayout> typeLayout(std::string_view type) {
  if (type.empty()) return std::nullopt;
  char c = type.front();
  if (c == '[') {
    std::optional<ArrayType> array = arrayOf(type);
    std::optional<TypeLayout> element = array ? typeLayout(array->element) : std::nullopt;
    if (!element) return std::nullopt;
    return TypeLayout{array->count * element->size, element->align};
  }
  if (c != '{' && c != '(') return scalarLayout(c);
  // A structure's members laid one after another, a union's over each other: the whole ends
  // where its last part does.
  TypeLayout whole{0, 1};
  bool laidOut = forEachPart(type, [&](std::string_view, size_t offset, TypeLayout part) {
    whole = {std::max(whole.size, offset + part.size), std::max(whole.align, part.align)};
    return true;
  });
  if (!laidOut) return std::nullopt;
  return TypeLayout{roundUp(whole.size, whole.align), whole.align};
}

bool returnsInMemory(std::string_view types) {
  std::optional<EncodedType> result = readType(types);
  if (!result || (result->type.front() != '{' && result->type.front() != '(')) return false;
  std::optional<TypeLayout> layout = typeLayout(result->type);
  return layout && layout->size > 16;
}

}  // namespace rt
