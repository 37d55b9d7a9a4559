#pragma once
// What objc_msgSend's assembly (msg_send_x86_64.S) calls when its inline cache lookup
// misses or a message observer is installed. Not for other callers.
#include "runtime/types.h"

extern "C" {

// The implementation of `sel` for `receiver`, searched from `start` (null: nothing to
// search). An unknown selector is the fatal error a typed send gives. When the observer
// traces the implementation, a frame opens and `*returnSlot`, the caller's return
// address, is swapped for lv_msgSendTraceTrampoline, which closes the frame.
[[gnu::visibility("hidden")]] IMP lv_msgSendResolve(Class start, id receiver, SEL sel,
                                                     void** returnSlot);

// Closes the innermost frame opened by lv_msgSendResolve and answers the return address
// it displaced.
[[gnu::visibility("hidden")]] void* lv_msgSendTraceReturn();

[[gnu::visibility("hidden")]] void lv_msgSendTraceTrampoline();
}
