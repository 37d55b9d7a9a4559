#pragma once
// Frames that close when the implementation they enter returns: the caller's return
// address, at `*returnSlot`, is swapped for lv_tracedReturnTrampoline, which closes the
// innermost such frame and goes on to the address it displaced. For assembly that enters
// an implementation by a jump (objc_msgSend, slot stubs). Main thread only.
#include "runtime/types.h"

namespace rt {

// A message reaching `imp` (TraceFrame(imp, receiver, sel)); nothing when it opens none.
void openMessageUntilReturn(IMP imp, id receiver, SEL sel, void** returnSlot);

// A call through a hooked method's slot: a Slot frame for `receiver`'s class.
void openSlotUntilReturn(id receiver, SEL sel, void** returnSlot);

}  // namespace rt

extern "C" {

// Closes the innermost frame and answers the return address it displaced.
[[gnu::visibility("hidden")]] void* lv_tracedReturn();

[[gnu::visibility("hidden")]] void lv_tracedReturnTrampoline();
}
