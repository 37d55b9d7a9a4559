// Another library built against the platform alone: at load it replaces one method of a
// host class, as ours does, and exports none of our symbols.
#include "substrate/substrate.h"

namespace {

void (*previousLayout)(id, SEL);

void layoutArtwork(id self, SEL sel) { previousLayout(self, sel); }

__attribute__((constructor)) void install() {
  MSHookMessageEx(objc_getClass("MRUArtworkView"), sel_registerName("layoutSubviews"), layoutArtwork, &previousLayout);
}

}  // namespace
