// The block runtime that compiled blocks call. The platform has its own rather than a
// system one because the three block classes must be classes of this object runtime, at
// the symbols compiled code names, and captured objects must be retained and released
// through it; a system block runtime defines those symbols as plain arrays of its own.
#include <cstdlib>
#include <cstring>

#include "foundation/block.h"
#include "runtime/class_setup.h"

extern "C" {
// Each is the storage of its class; compiled blocks point their isa at it.
alignas(objc_class) __attribute__((visibility("default"))) void* _NSConcreteStackBlock[32];
alignas(objc_class) __attribute__((visibility("default"))) void* _NSConcreteGlobalBlock[32];
alignas(objc_class) __attribute__((visibility("default"))) void* _NSConcreteMallocBlock[32];
}

static_assert(sizeof(objc_class) <= sizeof(_NSConcreteStackBlock));

namespace {

// Counts sit in the REFCOUNT bits, two per reference; a count that reaches the top stays
// there for good rather than wrap.
void latchingIncrement(volatile int32_t& flags) {
  if ((flags & BLOCK_REFCOUNT_MASK) != BLOCK_REFCOUNT_MASK) flags = flags + 2;
}

// Answers whether the last reference went.
bool latchingDecrement(volatile int32_t& flags) {
  int32_t count = flags & BLOCK_REFCOUNT_MASK;
  if (count == BLOCK_REFCOUNT_MASK || count == 0) return false;
  if (count == 2) {
    flags = (flags & ~BLOCK_REFCOUNT_MASK) | BLOCK_DEALLOCATING;
    return true;
  }
  flags = flags - 2;
  return false;
}

const Block_descriptor_2* helpersOf(const Block_layout* block) {
  return reinterpret_cast<const Block_descriptor_2*>(block->descriptor + 1);
}

bool isGlobal(const Block_layout* block) {
  return (block->flags & BLOCK_IS_GLOBAL) || block->isa == _NSConcreteGlobalBlock;
}

const Block_byref_2* byrefHelpersOf(const Block_byref* byref) {
  return reinterpret_cast<const Block_byref_2*>(byref + 1);
}

// Moves a __block variable to the heap on the first copy of a block that uses it; later
// copies share the heap one. The heap copy starts with two references: the copying
// block's and the frame's, which the frame gives up when the variable goes out of scope.
Block_byref* copyByref(Block_byref* src) {
  Block_byref* current = src->forwarding;
  if (current->flags & BLOCK_BYREF_NEEDS_FREE) {
    latchingIncrement(current->flags);
    return current;
  }
  auto* copy = static_cast<Block_byref*>(std::malloc(src->size));
  if (!copy) rt::fatal("out of memory");
  copy->isa = nullptr;
  copy->flags = (src->flags & ~BLOCK_REFCOUNT_MASK) | BLOCK_BYREF_NEEDS_FREE | 4;
  copy->forwarding = copy;
  copy->size = src->size;
  src->forwarding = copy;
  if (src->flags & BLOCK_BYREF_HAS_COPY_DISPOSE) {
    size_t head = sizeof(Block_byref) + sizeof(Block_byref_2);
    std::memcpy(reinterpret_cast<char*>(copy) + sizeof(Block_byref), byrefHelpersOf(src), head - sizeof(Block_byref));
    if (src->flags & BLOCK_BYREF_LAYOUT_EXTENDED) {
      std::memcpy(reinterpret_cast<char*>(copy) + head, reinterpret_cast<const char*>(src) + head,
                  sizeof(Block_byref_3));
    }
    byrefHelpersOf(src)->byref_keep(copy, src);
  } else {
    std::memcpy(copy + 1, src + 1, src->size - sizeof(Block_byref));
  }
  return copy;
}

void releaseByref(Block_byref* byref) {
  byref = byref->forwarding;
  if (!(byref->flags & BLOCK_BYREF_NEEDS_FREE)) return;
  if (!latchingDecrement(byref->flags)) return;
  if (byref->flags & BLOCK_BYREF_HAS_COPY_DISPOSE) byrefHelpersOf(byref)->byref_destroy(byref);
  std::free(byref);
}

id NSBlock_copy(id self, SEL) { return static_cast<id>(_Block_copy(self)); }

void registerBlockClasses() {
  Class block = rt::defineClass<objc_object>("NSBlock", "NSObject");
  rt::addMethod(block, "copy"_sel, NSBlock_copy);
  rt::defineClassAt(_NSConcreteStackBlock, "__NSStackBlock__", "NSBlock", rt::InstanceMemory::Uncounted);
  rt::defineClassAt(_NSConcreteGlobalBlock, "__NSGlobalBlock__", "NSBlock", rt::InstanceMemory::Uncounted);
  rt::defineClassAt(_NSConcreteMallocBlock, "__NSMallocBlock__", "NSBlock", rt::InstanceMemory::HeapBlock);
}

LV_CLASS_SETUP(registerBlockClasses);

}  // namespace

extern "C" {

void* _Block_copy(const void* arg) {
  if (!arg) return nullptr;
  auto* block = static_cast<Block_layout*>(const_cast<void*>(arg));
  if (block->flags & BLOCK_NEEDS_FREE) {
    latchingIncrement(block->flags);
    return block;
  }
  if (isGlobal(block)) return block;
  auto* copy = static_cast<Block_layout*>(std::malloc(block->descriptor->size));
  if (!copy) rt::fatal("out of memory");
  std::memcpy(copy, block, block->descriptor->size);
  copy->flags = (block->flags & ~(BLOCK_REFCOUNT_MASK | BLOCK_DEALLOCATING)) | BLOCK_NEEDS_FREE | 2;
  copy->isa = _NSConcreteMallocBlock;
  if (block->flags & BLOCK_HAS_COPY_DISPOSE) helpersOf(block)->copy(copy, block);
  rt::noteAllocation();
  fnd::detail::noteBlockCopied(copy);
  return copy;
}

void _Block_release(const void* arg) {
  if (!arg) return;
  auto* block = static_cast<Block_layout*>(const_cast<void*>(arg));
  if (!(block->flags & BLOCK_NEEDS_FREE) || !latchingDecrement(block->flags)) return;
  if (block->flags & BLOCK_HAS_COPY_DISPOSE) helpersOf(block)->dispose(block);
  fnd::detail::forgetBlock(block);
  objc_removeAssociatedObjects(reinterpret_cast<id>(block));
  rt::noteDeallocation();
  std::free(block);
}

void _Block_object_assign(void* destAddr, const void* object, const int flags) {
  auto* dest = static_cast<const void**>(destAddr);
  switch (flags & (BLOCK_FIELD_IS_OBJECT | BLOCK_FIELD_IS_BLOCK | BLOCK_FIELD_IS_BYREF |
                   BLOCK_FIELD_IS_WEAK | BLOCK_BYREF_CALLER)) {
    case BLOCK_FIELD_IS_OBJECT:
      *dest = rt::retain(static_cast<id>(const_cast<void*>(object)));
      return;
    case BLOCK_FIELD_IS_BLOCK:
      *dest = _Block_copy(object);
      return;
    case BLOCK_FIELD_IS_BYREF:
    case BLOCK_FIELD_IS_BYREF | BLOCK_FIELD_IS_WEAK:
      *dest = copyByref(static_cast<Block_byref*>(const_cast<void*>(object)));
      return;
    default:
      // A __block variable's own object or block, copied by its keep helper: the variable
      // does not own what it holds.
      *dest = object;
      return;
  }
}

void _Block_object_dispose(const void* object, const int flags) {
  switch (flags & (BLOCK_FIELD_IS_OBJECT | BLOCK_FIELD_IS_BLOCK | BLOCK_FIELD_IS_BYREF |
                   BLOCK_FIELD_IS_WEAK | BLOCK_BYREF_CALLER)) {
    case BLOCK_FIELD_IS_OBJECT: rt::release(static_cast<id>(const_cast<void*>(object))); return;
    case BLOCK_FIELD_IS_BLOCK: _Block_release(object); return;
    case BLOCK_FIELD_IS_BYREF:
    case BLOCK_FIELD_IS_BYREF | BLOCK_FIELD_IS_WEAK:
      releaseByref(static_cast<Block_byref*>(const_cast<void*>(object)));
      return;
    default: return;
  }
}

}  // extern "C"

namespace rt {

id retainHeapBlock(id block) { return static_cast<id>(_Block_copy(block)); }
void releaseHeapBlock(id block) { _Block_release(block); }

}  // namespace rt
