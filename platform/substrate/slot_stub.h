#pragma once
// What MSHookMessageEx puts in a slot: a stub that forwards to the replaced
// implementation, so that a plain call through the slot shows in a message trace as a
// Slot frame. Without an observer a stub costs a load, a test and a jump.
#include "runtime/types.h"

namespace rt {

// A stub that calls `imp`, a method's implementation; `sret`: the method returns its
// result in memory. Stubs come from a fixed pool, one per implementation and kind; once it
// is used up, `imp` itself, whose calls the trace does not see.
IMP slotStub(IMP imp, bool sret);

}  // namespace rt

extern "C" {

struct SlotStubRecord {
  IMP imp;
  bool sret;
};

// For the stubs' assembly: opens the Slot frame for `self` and `cmd` until the
// implementation returns (`*returnSlot` is the caller's return address), and answers it.
[[gnu::visibility("hidden")]] IMP lv_slotStubEnter(id self, SEL cmd, const SlotStubRecord* record,
                                                    void** returnSlot);
}
