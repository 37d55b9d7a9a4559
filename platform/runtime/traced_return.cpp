#include "runtime/traced_return.h"

#include <memory>
#include <utility>
#include <vector>

#include "runtime/message_trace.h"

namespace {

// A traced frame and the return address its trampoline stands in for.
struct ShadowFrame {
  template <class... A>
  explicit ShadowFrame(A... frameArguments) : frame(frameArguments...) {}
  rt::TraceFrame frame;
  void* returnAddress = nullptr;
};

// Frames are pushed once open and popped before they close, so that observers may send
// messages while a frame opens or closes.
std::vector<std::unique_ptr<ShadowFrame>>& shadowStack() {
  static auto* stack = new std::vector<std::unique_ptr<ShadowFrame>>;  // lives for the process
  return *stack;
}

template <class... A>
void openUntilReturn(void** returnSlot, A... frameArguments) {
  auto entry = std::make_unique<ShadowFrame>(frameArguments...);
  if (!entry->frame.isOpen()) return;
  entry->returnAddress = std::exchange(*returnSlot, reinterpret_cast<void*>(&lv_tracedReturnTrampoline));
  shadowStack().push_back(std::move(entry));
}

}  // namespace

void rt::openMessageUntilReturn(IMP imp, id receiver, SEL sel, void** returnSlot) {
  openUntilReturn(returnSlot, imp, receiver, sel);
}

void rt::openSlotUntilReturn(id receiver, SEL sel, void** returnSlot) {
  openUntilReturn(returnSlot, TraceKind::Slot, object_getClass(receiver), sel);
}

void* lv_tracedReturn() {
  std::vector<std::unique_ptr<ShadowFrame>>& stack = shadowStack();
  std::unique_ptr<ShadowFrame> entry = std::move(stack.back());
  stack.pop_back();
  return entry->returnAddress;  // the frame closes as `entry` goes
}
