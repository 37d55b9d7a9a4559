#ifndef LV_SDK_SUBSTRATE_H
#define LV_SDK_SUBSTRATE_H
/* Replacing methods at load. */
#include <objc/runtime.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Replaces `cls`'s method for `sel` with `hook` and stores in `*old` (when `old` is not
 * NULL) an implementation that calls the one it replaced. When only a superclass defines
 * `sel`, `cls` gets a method of its own and `*old` calls the superclass's implementation. A nil class or a
 * selector that `cls` does not answer installs nothing and leaves `*old` as it was. */
void MSHookMessageEx(Class cls, SEL sel, IMP hook, IMP *old);

#ifdef __cplusplus
}
#endif

#endif
