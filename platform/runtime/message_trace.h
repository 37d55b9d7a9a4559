#pragma once
// The message trace: an observer told of every frame the traced code runs. A frame opens
// when a message reaches an implementation the observer traces (a message, or one that a
// delivery point marks as a gesture action or a delayed call), when a block made by traced
// code runs as a completion, and when traced code calls a hooked method's previous
// implementation through its slot. Depth counts the open frames, this one included.
// No observer is installed by default; sends then test one pointer and nothing more.
// Main thread only.
#include <span>
#include <string_view>

#include "runtime/types.h"

namespace rt {

enum class TraceKind { Enter, Action, Delayed, Completion, Slot, Return };

// A value a frame was given or gave back, of `type` as the device encodes it ("@", "d",
// "{CGRect={CGPoint=dd}{CGSize=dd}}"). `value` points at it while the event is observed;
// an empty type: nothing known.
struct TracedValue {
  std::string_view type;
  const void* value = nullptr;
};

struct TraceEvent {
  TraceKind kind;
  int depth;
  Class receiverClass;  // for a completion: the class of the traced frame that made the block
  SEL selector;
  std::span<const TracedValue> arguments = {};  // an opening frame's, after self and _cmd, when known
  TracedValue result = {};                      // a Return's, when known
};

class MessageObserver {
 public:
  virtual ~MessageObserver() = default;
  // Whether a message that reaches `imp` enters the traced code. The answer must not change
  // while the observer is installed: methods it denies are cached and sent without asking.
  virtual bool traces(IMP imp) = 0;
  // Every frame that opens, and the return of every frame but a slot's.
  virtual void observe(const TraceEvent& event) = 0;
};

extern MessageObserver* g_messageObserver;

// Installs `observer` (owned by the caller; null removes it). Frames open at that moment
// are forgotten: their returns are not reported.
void setMessageObserver(MessageObserver* observer);

// The traced frame that made a block: where a completion of it is reported as coming from.
struct TraceOrigin {
  Class receiverClass = nullptr;
  SEL selector = nullptr;
};

// The innermost open frame when it is the traced code's own (not a slot), else none.
TraceOrigin currentTraceOrigin();

// One frame, open for the object's life. Without an observer it does nothing.
class TraceFrame {
 public:
  // A message reaching `imp` with `arguments`: a frame when the observer traces `imp`. Its
  // kind is the one a DeliveryMark in effect gives (which it uses up), else Enter.
  TraceFrame(IMP imp, id receiver, SEL sel, std::span<const TracedValue> arguments = {}) {
    if (g_messageObserver && g_messageObserver->traces(imp)) [[unlikely]] openMessage(receiver, sel, arguments);
  }
  // A message whose implementation the caller found the observer traces.
  struct Traced {};
  TraceFrame(Traced, id receiver, SEL sel, std::span<const TracedValue> arguments) {
    openMessage(receiver, sel, arguments);
  }
  // A frame of a given kind, always reported.
  TraceFrame(TraceKind kind, Class cls, SEL sel, std::span<const TracedValue> arguments = {}) {
    if (g_messageObserver) [[unlikely]] open(kind, cls, sel, arguments);
  }
  ~TraceFrame() {
    if (generation_) [[unlikely]] close({});
  }
  TraceFrame(const TraceFrame&) = delete;
  TraceFrame& operator=(const TraceFrame&) = delete;

  bool isOpen() const { return generation_ != 0; }

  // Closes the frame now, reporting `result` as what it gave back.
  void returned(TracedValue result) {
    if (generation_) [[unlikely]] close(result);
  }

 private:
  void openMessage(id receiver, SEL sel, std::span<const TracedValue> arguments);
  void open(TraceKind kind, Class cls, SEL sel, std::span<const TracedValue> arguments);
  void close(TracedValue result);

  uint64_t generation_ = 0;  // the observer's installation it was opened under; 0: none or closed
};

// Marks the next traced message of `sel` sent while it lives as delivered by a delivery
// point (a gesture action, a delayed call). Untraced sends pass it by: they may be cached.
class DeliveryMark {
 public:
  DeliveryMark(TraceKind kind, SEL sel);
  ~DeliveryMark();
  DeliveryMark(const DeliveryMark&) = delete;
  DeliveryMark& operator=(const DeliveryMark&) = delete;
};

}  // namespace rt
