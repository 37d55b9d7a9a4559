/* A global block laid out by hand, as C without block support writes one. */
#include <Block.h>

static int twice(void *self, int x) {
  (void)self;
  return 2 * x;
}

static const struct {
  struct Block_descriptor_1 sizes;
  struct Block_descriptor_3 types;
} twiceDescriptor = {{0, sizeof(struct Block_layout)}, {"i12@?0i8", 0}};

struct Block_layout twiceBlock = {_NSConcreteGlobalBlock, BLOCK_IS_GLOBAL | BLOCK_HAS_SIGNATURE, 0,
                                  (void (*)(void *, ...))(void (*)(void))twice,
                                  (struct Block_descriptor_1 *)&twiceDescriptor.sizes};
