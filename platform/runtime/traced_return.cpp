#include "runtime/traced_return.h"

#include <memory>
#include <utility>
#include <vector>

#include "runtime/message_trace.h"
#include "runtime/saved_registers.h"

namespace {

// A traced frame and the return address its trampoline stands in for.
struct ShadowFrame {
  template <class... A>
  explicit ShadowFrame(const rt::Signature* sig, uint64_t resultAt, A... frameArguments)
      : signature(sig), resultAddress(resultAt), frame(frameArguments...) {}
  const rt::Signature* signature;
  uint64_t resultAddress;
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
void openUntilReturn(const rt::Signature* sig, void** returnSlot, A... frameArguments) {
  const auto* saved = reinterpret_cast<const rt::SavedArguments*>(reinterpret_cast<const char*>(returnSlot) -
                                                                  sizeof(rt::SavedArguments));
  rt::SavedArgumentValues arguments(sig, *saved, reinterpret_cast<const uint64_t*>(returnSlot + 1));
  auto entry = std::make_unique<ShadowFrame>(sig, arguments.resultAddress(), frameArguments..., arguments.values());
  if (!entry->frame.isOpen()) return;
  entry->returnAddress = std::exchange(*returnSlot, reinterpret_cast<void*>(&lv_tracedReturnTrampoline));
  shadowStack().push_back(std::move(entry));
}

}  // namespace

void rt::openMessageUntilReturn(IMP imp, id receiver, SEL sel, const Signature* sig, void** returnSlot) {
  if (!g_messageObserver->traces(imp)) return;  // before the arguments are read
  openUntilReturn(sig, returnSlot, TraceFrame::Traced{}, receiver, sel);
}

void rt::openSlotUntilReturn(id receiver, SEL sel, const Signature* sig, void** returnSlot) {
  openUntilReturn(sig, returnSlot, TraceKind::Slot, object_getClass(receiver), sel);
}

void* lv_tracedReturn(const rt::SavedResult* saved) {
  std::vector<std::unique_ptr<ShadowFrame>>& stack = shadowStack();
  std::unique_ptr<ShadowFrame> entry = std::move(stack.back());
  stack.pop_back();
  std::array<uint64_t, 2> joined;
  entry->frame.returned(rt::savedResultValue(entry->signature, *saved, entry->resultAddress, joined));
  return entry->returnAddress;
}
