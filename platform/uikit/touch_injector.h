#pragma once
// Drives one finger on a window, as the device's event system would: the touch goes to
// the view that hitTest:withEvent: finds. From that view up, the first view with enabled
// tap recognisers takes a tap (a touch that ends within a small distance of where it
// began); the first enabled control met instead tracks the touch through its
// begin/continue/end (or cancel) entry points. A touch no control took pans the scroll
// view it is on once it moves farther than a tap may (uikit/scroll_pan.h), and is then
// no tap. Main thread only.
#include <memory>

#include "quartz/geometry.h"
#include "runtime/runtime.h"

namespace uikit {

class TouchInjector {
 public:
  // Holds the window while it lives.
  explicit TouchInjector(id window);
  ~TouchInjector();
  TouchInjector(const TouchInjector&) = delete;
  TouchInjector& operator=(const TouchInjector&) = delete;

  // Points are in window coordinates.
  void tap(CGPoint point);
  // Down at `from`, `steps` moves evenly spaced to `to` (at least one), then up, or a
  // cancellation in place of the lift.
  void drag(CGPoint from, CGPoint to, int steps, bool cancel = false);

  // The single phases. A touch that begins while another lasts cancels that one first;
  // moves, ends and cancels without a touch do nothing.
  void begin(CGPoint point);
  void move(CGPoint point);
  void end();
  void cancel();
  bool touching() const;

  // The wheel over `point`: the scroll view there moves its content by `delta` points.
  void scroll(CGPoint point, CGPoint delta);

 private:
  struct Touch;
  Ref<> window_;
  std::unique_ptr<Touch> touch_;
};

}  // namespace uikit
