#pragma once
// The main dispatch queue, the only queue there is: blocks submitted to it run on the
// main run loop at the start of its next turn, in submission order. The queue is the
// object `_dispatch_main_q`, in static storage and never counted, as on the device.
#include <dispatch/dispatch.h>

#include <functional>

#include "runtime/runtime.h"

struct dispatch_queue_s : objc_object {};

using dispatch_block_t = std::function<void()>;

// Submits `block` to `queue`. A queue other than the main one, or an empty block, is a
// fatal error.
void dispatch_async(dispatch_queue_t queue, dispatch_block_t block);
