#include "foundation/dispatch.h"

#include "foundation/run_loop.h"
#include "runtime/class_setup.h"

namespace {

id g_mainQueue = nullptr;

}  // namespace

dispatch_queue_t dispatch_get_main_queue() { return g_mainQueue; }

void dispatch_async(dispatch_queue_t queue, dispatch_block_t block) {
  if (!queue || queue != g_mainQueue) rt::fatal("dispatch_async: not the main queue");
  if (!block) rt::fatal("dispatch_async: the block is empty");
  fnd::RunLoop::main().dispatchAsync(std::move(block));
}

namespace fnd {

namespace {

void registerDispatchClasses() {
  Class queue = rt::defineClass<objc_object>("OS_dispatch_queue", "NSObject");
  g_mainQueue = rt::allocateInstance(queue);
  rt::makeImmortal(g_mainQueue);
}

LV_CLASS_SETUP(registerDispatchClasses);

}  // namespace

}  // namespace fnd
