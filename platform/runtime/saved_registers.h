#pragma once
// A traced method's arguments and result, found where the assembly saved its registers
// (argument_frame_x86_64.h, traced_return_x86_64.S) by the x86-64 System V rules for the
// method's encoding. Main thread only: placements are worked out once per signature.
#include <array>
#include <cstddef>
#include <cstdint>
#include <new>
#include <span>

#include "runtime/message_trace.h"

namespace rt {

struct Signature;

// The argument frame as SAVE_ARGUMENTS lays it out.
struct SavedArguments {
  uint8_t vector[8][16];  // xmm0-7
  uint64_t integer[6];    // rdi rsi rdx rcx r8 r9
  uint64_t vectorCount;   // rax
};

// The registers a result comes back in, as the traced return saves them.
struct SavedResult {
  uint8_t vector[2][16];  // xmm0 xmm1
  uint64_t integer[2];    // rax rdx
};

// The arguments after self and _cmd of a method of signature `sig`, entered with `saved`
// and with its stack arguments from `stack` (the word above the return address). An
// argument whose place the encoding does not tell ends the list.
class SavedArgumentValues {
 public:
  static constexpr size_t kMost = 16;  // arguments shown; a longer list is cut here

  SavedArgumentValues(const Signature* sig, const SavedArguments& saved, const uint64_t* stack);
  SavedArgumentValues(const SavedArgumentValues&) = delete;
  SavedArgumentValues& operator=(const SavedArgumentValues&) = delete;

  std::span<const TracedValue> values() const { return {std::launder(reinterpret_cast<const TracedValue*>(values_)), count_}; }
  // Where the caller asked a result returned in memory to go; 0 for other results.
  uint64_t resultAddress() const { return resultAddress_; }

 private:
  // Only the first count_ of each are made: a frame of few arguments does not pay for kMost.
  alignas(TracedValue) std::byte values_[kMost * sizeof(TracedValue)];
  std::array<std::array<uint64_t, 2>, kMost> joined_;  // structures split over registers, put together
  size_t count_ = 0;
  uint64_t resultAddress_ = 0;
};

// The result of a method of signature `sig` that returned with `saved`; an empty value when
// it returns nothing or nothing it can read (a long double, a result in memory whose
// address is not `resultAddress`, the one it was given). `joined` holds a small structure
// put back together from its two registers.
TracedValue savedResultValue(const Signature* sig, const SavedResult& saved, uint64_t resultAddress,
                             std::array<uint64_t, 2>& joined);

}  // namespace rt
