#pragma once
// The main dispatch queue, the only queue there is: blocks submitted to it run on the
// main run loop at the start of its next turn, in submission order.
#include <functional>

#include "runtime/runtime.h"

using dispatch_queue_t = id;
using dispatch_block_t = std::function<void()>;

// The main queue object; it is never freed.
dispatch_queue_t dispatch_get_main_queue();

// Submits `block` to `queue`. A queue other than the main one, or an empty block, is a
// fatal error.
void dispatch_async(dispatch_queue_t queue, dispatch_block_t block);

namespace fnd {
}
