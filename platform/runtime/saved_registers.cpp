#include "runtime/saved_registers.h"

#include <cstddef>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <vector>

#include "runtime/argument_frame_x86_64.h"
#include "runtime/signature.h"
#include "runtime/type_layout.h"

namespace rt {

static_assert(sizeof(SavedArguments) == ARGUMENT_FRAME_SIZE);
static_assert(offsetof(SavedArguments, integer) == SAVED_RDI);
static_assert(sizeof(SavedResult) == 48);

namespace {

enum class Piece : uint8_t { Integer, Vector };

// How a value travels: in memory, or in one or two eightbytes of registers.
struct Passing {
  TypeLayout layout{0, 1};
  bool inMemory = false;
  std::vector<Piece> pieces;
};

size_t roundUp(size_t n, size_t align) { return (n + align - 1) / align * align; }

// Marks the eightbytes a value of `type` at `offset` covers: a vector piece only where every
// scalar in it is a float or a double. False for what is passed in memory whatever its size.
bool markPieces(std::string_view type, size_t offset, std::vector<std::optional<Piece>>& pieces) {
  std::optional<TypeLayout> layout = typeLayout(type);
  if (!layout) return false;
  char c = type.front();
  if (c == '[' || c == '{' || c == '(') {
    bool marked = true;
    bool whole = forEachPart(type, [&](std::string_view part, size_t at, TypeLayout) {
      return marked = markPieces(part, offset + at, pieces);
    });
    return whole && marked;
  }
  if (c == 'D' || offset % layout->align != 0) return false;
  if (layout->size == 0) return true;
  std::optional<Piece>& piece = pieces[offset / 8];
  Piece kind = c == 'f' || c == 'd' ? Piece::Vector : Piece::Integer;
  piece = piece == Piece::Integer || kind == Piece::Integer ? Piece::Integer : Piece::Vector;
  return true;
}

std::optional<Passing> passingOf(std::string_view type) {
  std::optional<TypeLayout> layout = typeLayout(type);
  if (!layout) return std::nullopt;
  Passing passing;
  passing.layout = *layout;
  if (layout->size > 16) {
    passing.inMemory = true;
    return passing;
  }
  std::vector<std::optional<Piece>> marked(roundUp(layout->size, 8) / 8);
  if (!markPieces(type, 0, marked)) {
    passing.inMemory = true;
    return passing;
  }
  for (std::optional<Piece> piece : marked) passing.pieces.push_back(piece.value_or(Piece::Integer));
  return passing;
}

// Where one value is: register indexes within its pieces' kinds, or an offset in the stack.
struct Placement {
  std::string_view type;
  std::vector<Piece> pieces;
  std::vector<uint8_t> registers;
  std::optional<size_t> stackOffset;
  bool resultInMemory = false;  // a result whose address comes back in rax
};

struct CallPlan {
  std::vector<Placement> arguments;
  std::optional<Placement> result;  // none: nothing to read
};

std::optional<Placement> resultPlacement(std::string_view type) {
  if (type.front() == 'v') return std::nullopt;
  std::optional<Passing> passing = passingOf(type);
  if (!passing || type.front() == 'D') return std::nullopt;
  Placement placement;
  placement.type = type;
  if (passing->inMemory) {
    placement.resultInMemory = true;
    return placement;
  }
  uint8_t integers = 0, vectors = 0;
  for (Piece piece : passing->pieces) {
    placement.pieces.push_back(piece);
    placement.registers.push_back(piece == Piece::Integer ? integers++ : vectors++);
  }
  return placement;
}

CallPlan planFor(const Signature& sig) {
  CallPlan plan;
  std::optional<EncodedType> result = readType(sig.readable);
  std::optional<EncodedType> self = result ? readType(result->rest) : std::nullopt;
  std::optional<EncodedType> cmd = self ? readType(self->rest) : std::nullopt;
  if (!cmd) return plan;
  plan.result = resultPlacement(result->type);
  size_t integers = returnsInMemory(sig.readable) ? 3 : 2, vectors = 0, stack = 0;
  for (std::string_view rest = cmd->rest; !rest.empty() && plan.arguments.size() < SavedArgumentValues::kMost;) {
    std::optional<EncodedType> argument = readType(rest);
    std::optional<Passing> passing = argument ? passingOf(argument->type) : std::nullopt;
    if (!passing) break;
    Placement placement;
    placement.type = argument->type;
    size_t wantIntegers = std::ranges::count(passing->pieces, Piece::Integer);
    size_t wantVectors = passing->pieces.size() - wantIntegers;
    if (!passing->inMemory && integers + wantIntegers <= 6 && vectors + wantVectors <= 8) {
      for (Piece piece : passing->pieces) {
        placement.pieces.push_back(piece);
        placement.registers.push_back(uint8_t(piece == Piece::Integer ? integers++ : vectors++));
      }
    } else {
      stack = roundUp(stack, std::max<size_t>(8, passing->layout.align));
      placement.stackOffset = stack;
      stack += roundUp(passing->layout.size, 8);
    }
    plan.arguments.push_back(placement);
    rest = argument->rest;
  }
  return plan;
}

const CallPlan& planOf(const Signature* sig) {
  static auto* plans = new std::unordered_map<const Signature*, CallPlan>;  // lives for the process
  static std::pair<const Signature*, const CallPlan*> last;  // a run of one method's frames asks once
  if (last.first == sig) return *last.second;
  auto [at, added] = plans->try_emplace(sig);
  if (added) at->second = planFor(*sig);
  last = {sig, &at->second};
  return at->second;
}

// The registers of one value: the one register itself, or two put together in `joined`.
template <class Integers, class Vectors>
const void* inRegisters(const Placement& placement, const Integers& integers, const Vectors& vectors,
                        std::array<uint64_t, 2>& joined) {
  auto registerOf = [&](size_t i) -> const void* {
    if (placement.pieces[i] == Piece::Integer) return &integers[placement.registers[i]];
    return &vectors[placement.registers[i]];
  };
  if (placement.pieces.size() == 1) return registerOf(0);
  for (size_t i = 0; i < placement.pieces.size(); ++i) std::memcpy(&joined[i], registerOf(i), 8);
  return joined.data();
}

}  // namespace

SavedArgumentValues::SavedArgumentValues(const Signature* sig, const SavedArguments& saved,
                                         const uint64_t* stack) {
  if (!sig) return;
  const CallPlan& plan = planOf(sig);
  if (plan.result && plan.result->resultInMemory) resultAddress_ = saved.integer[0];
  for (const Placement& placement : plan.arguments) {
    const void* value = placement.stackOffset
                            ? reinterpret_cast<const char*>(stack) + *placement.stackOffset
                            : inRegisters(placement, saved.integer, saved.vector, joined_[count_]);
    new (values_ + count_++ * sizeof(TracedValue)) TracedValue{placement.type, value};
  }
}

TracedValue savedResultValue(const Signature* sig, const SavedResult& saved, uint64_t resultAddress,
                             std::array<uint64_t, 2>& joined) {
  if (!sig) return {};
  const std::optional<Placement>& placement = planOf(sig).result;
  if (!placement) return {};
  if (placement->resultInMemory) {
    if (saved.integer[0] != resultAddress) return {};  // an encoding that does not match the method
    return {placement->type, reinterpret_cast<const void*>(resultAddress)};
  }
  return {placement->type, inRegisters(*placement, saved.integer, saved.vector, joined)};
}

}  // namespace rt
