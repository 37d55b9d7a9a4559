#include "foundation/dispatch.h"

#include "foundation/run_loop.h"
#include "runtime/class_setup.h"

dispatch_queue_s _dispatch_main_q;

void dispatch_async(dispatch_queue_t queue, dispatch_block_t block) {
  if (queue != dispatch_get_main_queue()) rt::fatal("dispatch_async: not the main queue");
  if (!block) rt::fatal("dispatch_async: the block is empty");
  fnd::RunLoop::main().dispatchAsync(std::move(block));
}

namespace fnd {

namespace {

void registerDispatchClasses() {
  _dispatch_main_q.isa = rt::defineConstantClass("OS_dispatch_queue", "NSObject");
}

LV_CLASS_SETUP(registerDispatchClasses);

}  // namespace

}  // namespace fnd
