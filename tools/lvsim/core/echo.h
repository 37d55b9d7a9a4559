#pragma once
// Input echoed in messages, made safe to print: control characters and bytes that are not
// UTF-8 appear as \xNN, so nothing from a file reaches the terminal as an escape sequence,
// and long texts are cut with "…".
#include <cstddef>
#include <string>
#include <string_view>

namespace lv::sim {

// `text` shown as at most `limit` characters.
std::string printable(std::string_view text, size_t limit);

// `text` in double quotes, printable and at most 48 characters long.
std::string inQuotes(std::string_view text);

}  // namespace lv::sim
