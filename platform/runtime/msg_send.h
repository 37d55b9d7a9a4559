#pragma once
// What objc_msgSend's assembly (msg_send_x86_64.S) calls when its inline cache lookup
// misses or a message observer is installed. Not for other callers.
#include "runtime/types.h"

extern "C" {

// The implementation of `sel` for `receiver`, searched from `start` (null: nothing to
// search). An unknown selector is the fatal error a typed send gives. When the observer
// traces the implementation, a frame opens until it returns (traced_return.h): `*returnSlot`
// is the caller's return address.
[[gnu::visibility("hidden")]] IMP lv_msgSendResolve(Class start, id receiver, SEL sel,
                                                     void** returnSlot);
}
