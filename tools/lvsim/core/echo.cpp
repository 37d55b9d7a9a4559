#include "tools/lvsim/core/echo.h"

#include <cstdio>

#include "foundation/utf8.h"

namespace lv::sim {

namespace {

constexpr size_t kQuotedLimit = 48;

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7f && c < 0xa0); }

}  // namespace

}  // namespace lv::sim

std::string lv::sim::printable(std::string_view text, size_t limit) {
  std::string shown;
  size_t characters = 0;
  for (size_t i = 0; i < text.size(); ++characters) {
    if (characters == limit) return shown + "…";
    fnd::Utf8Step step = fnd::utf8Step(text, i);
    if (step.wellFormed && !isControl(step.codePoint)) {
      shown.append(text.substr(i, step.length));
    } else {
      for (size_t k = 0; k < step.length; ++k) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(text[i + k]));
        shown += escaped;
      }
    }
    i += step.length;
  }
  return shown;
}

std::string lv::sim::inQuotes(std::string_view text) { return "\"" + printable(text, kQuotedLimit) + "\""; }
