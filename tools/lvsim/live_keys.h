#pragma once
// The keys of `lvsim live`, by the names scripts use.
#include <string_view>

namespace lv::sim {

inline constexpr std::string_view kLiveKeys[] = {"space", "n", "r", "s", "q", "m", "v", "1", "2",
                                                 "3",     "4", "5", "return", "escape"};

inline bool isLiveKey(std::string_view name) {
  for (std::string_view k : kLiveKeys)
    if (k == name) return true;
  return false;
}

}  // namespace lv::sim
