#include "runtime/message_trace.h"

#include <utility>
#include <vector>

#include "runtime/class.h"
#include "runtime/message.h"

namespace rt {

MessageObserver* g_messageObserver = nullptr;

// Whether an observer is installed, kept in this library's own storage for assembly that
// tests it with one load: a program that reads g_messageObserver has a copy of its own,
// which the library's accesses of it then use.
extern "C" {
[[gnu::visibility("hidden")]] constinit bool lv_messageObserverInstalled = false;
}

namespace {

struct OpenFrame {
  TraceKind kind;
  Class receiverClass;
  SEL selector;
};

std::vector<OpenFrame>& openFrames() {
  static auto* frames = new std::vector<OpenFrame>;  // lives for the process
  return *frames;
}

TraceKind g_delivery = TraceKind::Enter;
SEL g_deliveredSelector = nullptr;
uint64_t g_installation = 0;  // counts setMessageObserver calls

}  // namespace

void setMessageObserver(MessageObserver* observer) {
  g_messageObserver = observer;
  lv_messageObserverInstalled = observer;
  // While an observer is installed the caches hold only what it does not trace, so every
  // traced send takes the slow path; the fast paths test nothing for it.
  emptyMethodCaches();
  ++g_installation;
  openFrames().clear();
  g_delivery = TraceKind::Enter;
}

TraceOrigin currentTraceOrigin() {
  const std::vector<OpenFrame>& frames = openFrames();
  if (!g_messageObserver || frames.empty() || frames.back().kind == TraceKind::Slot) return {};
  return {frames.back().receiverClass, frames.back().selector};
}

void TraceFrame::openMessage(id receiver, SEL sel, std::span<const TracedValue> arguments) {
  TraceKind kind = sel == g_deliveredSelector ? std::exchange(g_delivery, TraceKind::Enter) : TraceKind::Enter;
  open(kind, object_getClass(receiver), sel, arguments);
}

void TraceFrame::open(TraceKind kind, Class cls, SEL sel, std::span<const TracedValue> arguments) {
  std::vector<OpenFrame>& frames = openFrames();
  frames.push_back({kind, cls, sel});
  generation_ = g_installation;
  g_messageObserver->observe({kind, int(frames.size()), cls, sel, arguments});
}

void TraceFrame::close(TracedValue result) {
  std::vector<OpenFrame>& frames = openFrames();
  bool forgotten = std::exchange(generation_, 0) != g_installation;  // by a later installation
  if (forgotten) return;
  OpenFrame frame = frames.back();
  if (frame.kind != TraceKind::Slot)
    g_messageObserver->observe({TraceKind::Return, int(frames.size()), frame.receiverClass, frame.selector, {}, result});
  frames.pop_back();
}

DeliveryMark::DeliveryMark(TraceKind kind, SEL sel) {
  if (!g_messageObserver) return;
  g_delivery = kind;
  g_deliveredSelector = sel;
}

DeliveryMark::~DeliveryMark() { g_delivery = TraceKind::Enter; }

}  // namespace rt
