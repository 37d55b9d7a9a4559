#pragma once
// What MSHookMessageEx puts in a slot: a stub that forwards to the replaced
// implementation, so that a plain call through the slot shows in a message trace as a
// Slot frame. Without an observer a stub costs a load, a test and a jump.
#include "runtime/types.h"

namespace rt {

struct Signature;

// A stub that calls `imp`, the implementation of a method of signature `sig` (null: untyped).
// Stubs come from a fixed pool, one per implementation and signature; once it is used up,
// `imp` itself, whose calls the trace does not see.
IMP slotStub(IMP imp, const Signature* sig);

}  // namespace rt

extern "C" {

struct SlotStubRecord {
  IMP imp;
  bool sret;  // the method returns its result in memory: self and _cmd come one register later
  const rt::Signature* signature;
};

// For the stubs' assembly: opens the Slot frame for `self` and `cmd` until the
// implementation returns (`*returnSlot` is the caller's return address), and answers it.
[[gnu::visibility("hidden")]] IMP lv_slotStubEnter(id self, SEL cmd, const SlotStubRecord* record,
                                                    void** returnSlot);
}
