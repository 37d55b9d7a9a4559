#pragma once
// Bounds a property list must keep before libplist is given it. libplist's binary reader
// follows references recursively, slower at each level, and copies every shared object
// wherever it is referenced: a deep file exhausts the stack, and a few hundred bytes of
// shared references expand into gigabytes. A bounded scan of the bytes finds both first.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace prefs {

// Containers inside containers, the outermost counting as 1.
inline constexpr int kMaxPlistDepth = 32;
// Objects once every reference is expanded: containers, keys and values.
inline constexpr uint64_t kMaxPlistObjects = 1 << 16;

// Why `bytes` must not be parsed, or nothing when they keep the bounds. A key of the top
// dictionary that holds a NUL or repeats another is refused as well, naming it: libplist
// cuts such a key at the NUL, or aborts on it, and keeps only one of two equal keys. Binary lists
// ("bplist00") are scanned through their offset table; anything else must be XML.
// Bytes that are not a binary list of sound structure, or text that does not start with
// a tag, are refused as well; malformed XML is left for libplist to refuse.
std::optional<std::string> plistBoundsProblem(std::string_view bytes);

}  // namespace prefs
