#include "foundation/utf8.h"

namespace fnd {

Utf8Step utf8Step(std::string_view text, size_t at) {
  unsigned char c = text[at];
  if (c < 0x80) return {c, 1, true};
  char32_t cp, least;
  size_t n;
  if ((c & 0xE0) == 0xC0) cp = c & 0x1f, n = 2, least = 0x80;
  else if ((c & 0xF0) == 0xE0) cp = c & 0x0f, n = 3, least = 0x800;
  else if ((c & 0xF8) == 0xF0) cp = c & 0x07, n = 4, least = 0x10000;
  else cp = 0, n = 0, least = 1;
  size_t k = 1;
  for (; k < n && at + k < text.size() && (static_cast<unsigned char>(text[at + k]) & 0xC0) == 0x80; ++k)
    cp = (cp << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3f);
  if (k < n || cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return {U'\uFFFD', k, false};
  return {cp, k, true};
}

}  // namespace fnd
