#include "foundation/block.h"

#include <cstdlib>
#include <string>
#include <unordered_map>

namespace fnd {

namespace {

// Looked up only, never walked, so addresses decide no order.
std::unordered_map<const void*, rt::TraceOrigin>& origins() {
  static auto* table = new std::unordered_map<const void*, rt::TraceOrigin>;
  return *table;
}

void noteOrigin(const void* block) {
  rt::TraceOrigin origin = rt::currentTraceOrigin();
  if (origin.receiverClass) origins()[block] = origin;
}

}  // namespace

Ref<> keepBlock(id block) {
  if (block && !isBlock(block)) notABlock(block);
  return Ref<>::adopt(static_cast<id>(_Block_copy(block)));
}

void notABlock(id obj) {
  rt::fatal(std::string("object of class ") + class_getName(obj->isa) + " called as a block");
}

void blockSignatureMismatch(id block, const rt::Signature* want) {
  const char* have = blockSignature(reinterpret_cast<const Block_layout*>(block));
  rt::fatal("block of signature " + (have ? rt::internSignature(have)->readable : std::string("(none)")) +
            " called as " + want->readable);
}

rt::TraceOrigin blockOrigin(id block) {
  auto it = origins().find(block);
  return it == origins().end() ? rt::TraceOrigin{} : it->second;
}

namespace detail {

void* allocateHeapBlock(size_t size, void (*invoke)(void*, ...), const BlockDescriptor* descriptor) {
  auto* block = static_cast<Block_layout*>(std::malloc(size));
  if (!block) rt::fatal("out of memory");
  block->isa = _NSConcreteMallocBlock;
  block->flags = BLOCK_NEEDS_FREE | BLOCK_HAS_COPY_DISPOSE | BLOCK_HAS_SIGNATURE | 2;
  block->reserved = 0;
  block->invoke = invoke;
  block->descriptor = const_cast<Block_descriptor_1*>(&descriptor->sizes);
  rt::noteAllocation();
  if (rt::g_messageObserver) [[unlikely]]
    noteOrigin(block);
  return block;
}

void noteBlockCopied(const void* block) {
  if (rt::g_messageObserver) [[unlikely]]
    noteOrigin(block);
}

void forgetBlock(const void* block) {
  if (!origins().empty()) [[unlikely]]
    origins().erase(block);
}

}  // namespace detail

}  // namespace fnd
