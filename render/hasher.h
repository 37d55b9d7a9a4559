#pragma once
// A 64-bit running hash for the cheap signatures of what has been drawn.
#include <bit>
#include <cstdint>
#include <string_view>

namespace lv::render {

class Hasher {
 public:
  Hasher& add(uint64_t v) {
    h_ = (h_ ^ v) * 0x100000001b3ULL;
    h_ ^= h_ >> 29;
    return *this;
  }
  Hasher& add(double v) { return add(std::bit_cast<uint64_t>(v == 0 ? 0.0 : v)); }
  Hasher& add(const void* p) { return add(uint64_t(reinterpret_cast<uintptr_t>(p))); }
  Hasher& add(std::string_view s) {
    for (unsigned char c : s) h_ = (h_ ^ c) * 0x100000001b3ULL;
    return add(uint64_t(s.size()));
  }
  uint64_t value() const { return h_; }

 private:
  uint64_t h_ = 0xcbf29ce484222325ULL;
};

}  // namespace lv::render
