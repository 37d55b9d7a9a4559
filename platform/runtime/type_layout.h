#pragma once
// Sizes of encoded types, as x86-64 lays them out, for deciding how a call is made.
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace rt {

struct TypeLayout {
  size_t size;
  size_t align;
};

// The layout of one whole type ("d", "{CGRect={CGPoint=dd}{CGSize=dd}}"); nullopt for a
// type whose size the encoding does not give (a bit field, a structure named without members).
std::optional<TypeLayout> typeLayout(std::string_view type);

// Each member of a structure or union `type` ("{tag=…}", "(tag=…)") with its offset (0 for
// every member of a union) and layout, or each element of an array ("[4d]"), in order,
// until `each` answers false. False when `type` is none of these or a member's layout is
// not given.
using PartVisitor = std::function<bool(std::string_view part, size_t offset, TypeLayout layout)>;
bool forEachPart(std::string_view type, const PartVisitor& each);

// Whether a method of encoding `types` returns its result in memory: a structure or union
// larger than 16 bytes, whose address the caller passes first, before self and _cmd.
bool returnsInMemory(std::string_view types);

}  // namespace rt
