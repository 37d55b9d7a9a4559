#pragma once
// Frames that close when the implementation they enter returns: the caller's return
// address, at `*returnSlot`, is swapped for lv_tracedReturnTrampoline, which closes the
// innermost such frame and goes on to the address it displaced. For assembly that enters
// an implementation by a jump (objc_msgSend, slot stubs), with the argument registers saved
// just below `returnSlot` (argument_frame_x86_64.h). `sig` reads the arguments and the
// result; null reads neither. Main thread only.
#include "runtime/types.h"

namespace rt {

struct Signature;
struct SavedResult;

// A message reaching `imp` (TraceFrame(imp, receiver, sel)); nothing when it opens none.
void openMessageUntilReturn(IMP imp, id receiver, SEL sel, const Signature* sig, void** returnSlot);

// A call through a hooked method's slot: a Slot frame for `receiver`'s class.
void openSlotUntilReturn(id receiver, SEL sel, const Signature* sig, void** returnSlot);

}  // namespace rt

extern "C" {

// Closes the innermost frame, which returned with `saved`, and answers the return address
// it displaced.
[[gnu::visibility("hidden")]] void* lv_tracedReturn(const rt::SavedResult* saved);

[[gnu::visibility("hidden")]] void lv_tracedReturnTrampoline();
}
