#pragma once
// NSCharacterSet (sets of UTF-16 code units, as the device's unichar sets) and the NSString
// methods that take one.
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/runtime.h"

using unichar = unsigned short;

struct NSCharacterSet : objc_object {
  std::vector<std::pair<char16_t, char16_t>> ranges;  // inclusive bounds

  bool contains(char16_t c) const {
    for (const auto& [first, last] : ranges)
      if (c >= first && c <= last) return true;
    return false;
  }
};

namespace fnd {

// Whether `set` (an NSCharacterSet, or nil for the empty set) holds `c`.
bool characterSetContains(id set, char16_t c);

}  // namespace fnd
