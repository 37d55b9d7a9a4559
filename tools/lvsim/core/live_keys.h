#pragma once
// The keys of `lvsim live`, by the names scripts use, and their help.
#include <string_view>

namespace lv::sim {

inline constexpr std::string_view kLiveKeys[] = {"space", "n", "r", "s", "q", "m", "i", "v",
                                                 "1",     "2", "3", "4", "5", "return", "escape"};

inline constexpr const char* kLiveKeysHelp =
    "Keys:\n"
    "  Space   play or pause            N       next built-in track\n"
    "  R       turn the phone           S       save the lock screen into --out\n"
    "  I       inspector: the view under the mouse, its class, place and frame\n"
    "  V       start or stop a recording into --out\n"
    "  M       settings menu: 1-5 toggle, Return restarts with them, Esc closes\n"
    "  Q       quit\n"
    "The mouse is a finger: a click taps, a press and drag scrubs or scrolls.";

inline bool isLiveKey(std::string_view name) {
  for (std::string_view k : kLiveKeys)
    if (k == name) return true;
  return false;
}

}  // namespace lv::sim
