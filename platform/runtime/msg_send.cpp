#include "runtime/msg_send.h"

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include <objc/message.h>

#include "runtime/message.h"
#include "runtime/msg_send_layout.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"  // the head is laid out as a plain struct
static_assert(offsetof(rt::ClassHead, superclass) == LV_CLASS_SUPERCLASS);
static_assert(offsetof(rt::ClassHead, cacheSlots) == LV_CLASS_CACHE_SLOTS);
static_assert(offsetof(rt::ClassHead, cacheSize) == LV_CLASS_CACHE_SIZE);
static_assert(offsetof(objc_method, imp) == LV_METHOD_IMP);
static_assert(offsetof(objc_selector, index) == LV_SELECTOR_INDEX);
static_assert(offsetof(objc_super, receiver) == LV_SUPER_RECEIVER);
static_assert(offsetof(objc_super, super_class) == LV_SUPER_CLASS);
#pragma GCC diagnostic pop

namespace {

// A traced frame entered through objc_msgSend, and the return address its trampoline
// stands in for.
struct ShadowFrame {
  ShadowFrame(IMP imp, id receiver, SEL sel) : frame(imp, receiver, sel) {}
  rt::TraceFrame frame;
  void* returnAddress = nullptr;
};

// Main thread only. Frames are pushed once open and popped before they close, so that
// observers may send messages while a frame opens or closes.
std::vector<std::unique_ptr<ShadowFrame>>& shadowStack() {
  static auto* stack = new std::vector<std::unique_ptr<ShadowFrame>>;  // lives for the process
  return *stack;
}

void openFrame(IMP imp, id receiver, SEL sel, void** returnSlot) {
  auto entry = std::make_unique<ShadowFrame>(imp, receiver, sel);
  if (!entry->frame.isOpen()) return;
  entry->returnAddress = std::exchange(*returnSlot, reinterpret_cast<void*>(&lv_msgSendTraceTrampoline));
  shadowStack().push_back(std::move(entry));
}

}  // namespace

IMP lv_msgSendResolve(Class start, id receiver, SEL sel, void** returnSlot) {
  const objc_method* m = start ? rt::lookup(start, sel) : nullptr;
  if (!m) rt::unrecognizedSelector(receiver, sel);
  if (rt::g_messageObserver) openFrame(m->imp, receiver, sel, returnSlot);
  return m->imp;
}

void* lv_msgSendTraceReturn() {
  std::vector<std::unique_ptr<ShadowFrame>>& stack = shadowStack();
  std::unique_ptr<ShadowFrame> entry = std::move(stack.back());
  stack.pop_back();
  return entry->returnAddress;  // the frame closes as `entry` goes
}
