#pragma once
// The keys of `lvsim live`, by the names scripts use, and their help.
#include <string_view>

namespace lv::sim {

inline constexpr std::string_view kLiveKeys[] = {"space", "n", "r", "s", "q", "m", "i", "v", "l", "1", "2",
                                                 "3",     "4", "5", "6", "7", "8", "9", "return", "escape"};

inline constexpr const char* kLiveKeysHelp =
    "Keys:\n"
    "  Space   play or pause            N       next built-in track\n"
    "  R       turn the phone           S       save the lock screen into --out\n"
    "  I       inspector: the view under the mouse, its class, place and frame\n"
    "  V       start or stop a recording into --out, at 1 pixel a point unless --scale\n"
    "  L       load the library anew (after a rebuild), with the menu's settings\n"
    "  M       settings menu: the library's registered settings of any identifier;\n"
    "          1-9 toggle a boolean, Return restarts with them, Esc closes\n"
    "  Q       quit\n"
    "The mouse is a finger: a click taps, a press and drag scrubs or scrolls.";

inline bool isLiveKey(std::string_view name) {
  for (std::string_view k : kLiveKeys)
    if (k == name) return true;
  return false;
}

}  // namespace lv::sim
