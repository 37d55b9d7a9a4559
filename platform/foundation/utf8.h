#pragma once
// Walking UTF-8 text a character at a time, with ill-formed bytes found rather than trusted.
#include <cstddef>
#include <string_view>

namespace fnd {

struct Utf8Step {
  char32_t codePoint;  // U+FFFD for an ill-formed sequence
  size_t length;       // bytes taken, at least 1
  bool wellFormed;
};

// The character that starts at `text[at]` (at < text.size()). Each ill-formed sequence (a
// stray or invalid byte, a sequence cut short, an overlong form, a surrogate, a value beyond
// U+10FFFF) is one step; a byte that cuts a sequence short starts the next one, so no
// well-formed character is lost.
Utf8Step utf8Step(std::string_view text, size_t at);

}  // namespace fnd
