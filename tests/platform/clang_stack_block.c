/* Built by clang with -fblocks: a stack block as the compiler makes it. */
#include <Block.h>
#include <objc/objc.h>

typedef struct objc_object *__attribute__((NSObject)) Retained;

/* Hands `keep` a stack block capturing `captured` and a __block counter, then uses the
 * counter and the block itself before the frame ends. The block adds 1 to the counter
 * and stores it in *seen. */
void handOffStackBlock(void (*keep)(id block), Retained captured, int *seen) {
  __block int count = 0;
  void (^completion)(BOOL) = ^(BOOL finished) {
    count += finished ? 1 : 100;
    *seen = count + (object_getClassName(captured)[0] == 0);
  };
  keep((id)completion);
  count = 5; /* reaches the copy: both use the variable moved to the heap */
  completion(YES);
}
