#include "uikit/touch_injector.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "foundation/run_loop.h"
#include "uikit/control.h"
#include "uikit/gesture_recognizer.h"
#include "uikit/scroll_pan.h"
#include "uikit/touch.h"
#include "uikit/view.h"

namespace uikit {

namespace {

// How far a finger may drift and still tap.
constexpr CGFloat kTapSlop = 10;

double now() { return fnd::RunLoop::main().now(); }

}  // namespace

struct TouchInjector::Touch {
  Ref<UITouch> touch;
  Ref<UIEvent> event;
  Ref<UIControl> control;      // tracking this touch, or null
  std::vector<Ref<>> taps;     // recognisers that may take it as a tap
  std::unique_ptr<ScrollPan> pan;  // the scroll view it may pan, when no control took it
  CGPoint start{};
  bool tapPossible = false;
  bool panning = false;

  void advance(CGPoint point, NSInteger phase) {
    touch->previousLocation = touch->location;
    touch->location = point;
    touch->phase = phase;
    touch->timestamp = event->timestamp = now();
  }
};

TouchInjector::TouchInjector(id window) : window_(Ref<>::retain(window)) {}

TouchInjector::~TouchInjector() = default;

bool TouchInjector::touching() const { return touch_ != nullptr; }

void TouchInjector::begin(CGPoint point) {
  if (touch_) cancel();
  double t = now();
  touch_ = std::make_unique<Touch>();
  Touch* state = touch_.get();
  state->touch = makeTouch(nil, window_.get(), point, t);
  state->event = makeEvent(state->touch.get(), t);
  state->start = point;

  id hit = send<id>(window_.get(), "hitTest:withEvent:"_sel, point, state->event.get());
  if (!hit) return;
  state->touch->view = Ref<>::retain(hit);
  Class controlClass = objc_getClass("UIControl");
  for (UIView* v = static_cast<UIView*>(hit); v; v = v->superview) {
    std::vector<Ref<>> taps = tapRecognizers(v);
    if (!taps.empty()) {
      state->taps = std::move(taps);
      state->tapPossible = true;
      break;
    }
    if (rt::isKindOfClass(v, controlClass) && static_cast<UIControl*>(v)->enabled) {
      state->control = Ref<UIControl>::retain(static_cast<UIControl*>(v));
      controlTouchBegan(state->control.get(), state->touch.get(), state->event.get());
      return;
    }
  }
  if (UIScrollView* scrollView = pannableScrollView(hit)) state->pan = std::make_unique<ScrollPan>(scrollView, point);
}

void TouchInjector::move(CGPoint point) {
  if (!touch_) return;
  touch_->advance(point, UITouchPhaseMoved);
  if (std::hypot(point.x - touch_->start.x, point.y - touch_->start.y) > kTapSlop) {
    touch_->tapPossible = false;
    touch_->panning = touch_->pan != nullptr;
  }
  if (touch_->panning) touch_->pan->follow(point);
  if (touch_->control) controlTouchMoved(touch_->control.get(), touch_->touch.get(), touch_->event.get());
}

void TouchInjector::end() {
  if (!touch_) return;
  std::unique_ptr<Touch> state = std::move(touch_);
  state->advance(state->touch->location, UITouchPhaseEnded);
  if (state->pan) state->pan->lift();
  if (state->control) controlTouchEnded(state->control.get(), state->touch.get(), state->event.get());
  if (state->tapPossible) {
    for (const Ref<>& r : state->taps)
      if (static_cast<UIGestureRecognizer*>(r.get())->view) recognizeTap(r.get(), state->touch.get());
  }
}

void TouchInjector::cancel() {
  if (!touch_) return;
  std::unique_ptr<Touch> state = std::move(touch_);
  state->advance(state->touch->location, UITouchPhaseCancelled);
  if (state->pan) state->pan->lift();
  if (state->control) controlTouchCancelled(state->control.get(), state->event.get());
}

void TouchInjector::scroll(CGPoint point, CGPoint delta) {
  id hit = send<id>(window_.get(), "hitTest:withEvent:"_sel, point, nil);
  if (UIScrollView* scrollView = pannableScrollView(hit)) scrollContent(scrollView, delta);
}

void TouchInjector::tap(CGPoint point) {
  begin(point);
  end();
}

void TouchInjector::drag(CGPoint from, CGPoint to, int steps, bool cancelAtEnd) {
  begin(from);
  steps = std::max(steps, 1);
  for (int i = 1; i <= steps; ++i) {
    CGFloat f = CGFloat(i) / steps;
    move({from.x + (to.x - from.x) * f, from.y + (to.y - from.y) * f});
  }
  if (cancelAtEnd)
    cancel();
  else
    end();
}

}  // namespace uikit
