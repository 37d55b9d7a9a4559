#ifndef LV_SDK_BLOCK_H
#define LV_SDK_BLOCK_H
/* Blocks, as the device declares them, with the layout of blocks and __block variables that
 * compilers emit. A block is an object: a stack block made by the compiler lives in its
 * frame until copied; a copy lives on the heap and is counted. */
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A heap copy of a stack block (a new reference to a heap block, the global block itself). */
void *_Block_copy(const void *aBlock);
void _Block_release(const void *aBlock);

/* What the compiler's copy and dispose helpers call for each captured object, block and
 * __block variable; `flags` are the BLOCK_FIELD_ values below. */
void _Block_object_assign(void *destAddr, const void *object, const int flags);
void _Block_object_dispose(const void *object, const int flags);

/* Block_layout.flags. A heap block keeps its count in the REFCOUNT bits, two per reference. */
enum {
  BLOCK_DEALLOCATING = 0x0001,
  BLOCK_REFCOUNT_MASK = 0xfffe,
  BLOCK_NEEDS_FREE = (1 << 24),
  BLOCK_HAS_COPY_DISPOSE = (1 << 25),
  BLOCK_HAS_CTOR = (1 << 26),
  BLOCK_IS_GC = (1 << 27),
  BLOCK_IS_GLOBAL = (1 << 28),
  BLOCK_USE_STRET = (1 << 29),
  BLOCK_HAS_SIGNATURE = (1 << 30)
};
#define BLOCK_HAS_EXTENDED_LAYOUT (1u << 31)

/* The flags argument of _Block_object_assign and _Block_object_dispose. */
enum {
  BLOCK_FIELD_IS_OBJECT = 3,
  BLOCK_FIELD_IS_BLOCK = 7,
  BLOCK_FIELD_IS_BYREF = 8,
  BLOCK_FIELD_IS_WEAK = 16,
  BLOCK_BYREF_CALLER = 128
};

struct Block_descriptor_1 {
  uintptr_t reserved;
  uintptr_t size; /* of the whole Block_layout with its captures */
};

/* Follows Block_descriptor_1 when BLOCK_HAS_COPY_DISPOSE. */
struct Block_descriptor_2 {
  void (*copy)(void *dst, const void *src);
  void (*dispose)(const void *);
};

/* Follows the above when BLOCK_HAS_SIGNATURE. */
struct Block_descriptor_3 {
  const char *signature; /* "v12@?0B8" */
  const char *layout;
};

struct Block_layout {
  void *isa;
  volatile int32_t flags;
  int32_t reserved;
  void (*invoke)(void *, ...);
  struct Block_descriptor_1 *descriptor;
  /* captured variables follow */
};

/* Block_byref.flags. */
enum {
  BLOCK_BYREF_LAYOUT_EXTENDED = (1 << 28),
  BLOCK_BYREF_NEEDS_FREE = (1 << 24),
  BLOCK_BYREF_HAS_COPY_DISPOSE = (1 << 25)
};

/* A __block variable. It starts in its frame; the first copy of a block that uses it moves
 * it to the heap and points `forwarding` of both at the heap one. */
struct Block_byref {
  void *isa;
  struct Block_byref *forwarding;
  volatile int32_t flags; /* refcount as in Block_layout.flags */
  uint32_t size;
};

/* Follows Block_byref when BLOCK_BYREF_HAS_COPY_DISPOSE. */
struct Block_byref_2 {
  void (*byref_keep)(struct Block_byref *dst, struct Block_byref *src);
  void (*byref_destroy)(struct Block_byref *);
};

/* Follows the above when BLOCK_BYREF_LAYOUT_EXTENDED. */
struct Block_byref_3 {
  const char *layout;
};

/* The classes of stack, global and heap blocks; each symbol is the class itself. */
extern void *_NSConcreteStackBlock[32];
extern void *_NSConcreteGlobalBlock[32];
extern void *_NSConcreteMallocBlock[32];

#ifdef __cplusplus
}
#endif

#define Block_copy(...) ((__typeof(__VA_ARGS__))_Block_copy((const void *)(__VA_ARGS__)))
#define Block_release(...) _Block_release((const void *)(__VA_ARGS__))

#endif
