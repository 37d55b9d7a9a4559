#include <gtest/gtest.h>

#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "uikit/gesture_recognizer.h"
#include "uikit/touch.h"
#include "uikit/touch_injector.h"
#include "uikit/view.h"
#include "uikit/view_animation.h"
#include "view_support.h"

using namespace testing_support;

namespace {

id hitTest(id view, CGPoint p) { return send<id>(view, "hitTest:withEvent:"_sel, p, nil); }

// A view whose touch area reaches 20 points beyond its bounds, as a host may make one.
Class wideTouchView() {
  static Class cls = [] {
    Class c = makeSubclass("UIView", "WideTouchView");
    class_addMethod(c, "pointInside:withEvent:"_sel, +[](id self, SEL, CGPoint p, id) -> bool {
      CGRect b = send<CGRect>(self, "bounds"_sel);
      return CGRectContainsPoint(CGRectMake(b.origin.x - 20, b.origin.y - 20, b.size.width + 40, b.size.height + 40), p);
    }, "B@:{CGPoint=dd}@");
    return c;
  }();
  return cls;
}

TEST(HitTesting, FrontmostTouchableViewUnderThePointIsFoundAndPointInsideDecides) {
  Ref<> window = makeView(CGRectMake(0, 0, 300, 300), "UIWindow");
  Ref<> back = addChild(window.get(), CGRectMake(0, 0, 200, 200)), front = addChild(window.get(), CGRectMake(100, 100, 100, 100));
  Ref<> inner = addChild(front.get(), CGRectMake(10, 10, 20, 20)), wide = addChild(window.get(), CGRectMake(240, 0, 50, 50), wideTouchView());
  const std::pair<CGPoint, id> hits[] = {
      {{50, 50}, back.get()},   {{150, 150}, front.get()}, {{115, 115}, inner.get()}, {{250, 250}, window.get()},
      {{350, 10}, nil},         {{225, 25}, wide.get()},   {{215, 25}, window.get()}};
  for (auto [point, view] : hits) EXPECT_EQ(hitTest(window.get(), point), view) << point.x << "," << point.y;

  send<void>(inner, "setHidden:"_sel, true);
  EXPECT_EQ(hitTest(window.get(), CGPointMake(115, 115)), front.get());
  for (auto [alpha, enabled, hit] : {std::tuple{0.005, true, back.get()}, {0.02, true, front.get()},
                                     {1.0, false, back.get()}}) {
    send<void>(front, "setAlpha:"_sel, alpha);
    send<void>(front, "setUserInteractionEnabled:"_sel, enabled);
    EXPECT_EQ(hitTest(window.get(), CGPointMake(150, 150)), hit) << alpha;
  }

  // While a view animation that does not allow touches moves it, the view and its subviews
  // take none.
  send<void>(front, "setUserInteractionEnabled:"_sel, true);
  send<void>(inner, "setHidden:"_sel, false);
  for (auto [options, during] : {std::pair{0UL, back.get()}, {UIViewAnimationOptionAllowUserInteraction, inner.get()}}) {
    auto move = [&] { send<void>(front, "setCenter:"_sel, CGPointMake(150, 149 + double(options))); };
    send<void>(objc_getClass("UIView"), "animateWithDuration:delay:options:animations:completion:"_sel, 0.4, 0.0,
               options, fnd::block<void()>(move), nil);
    EXPECT_EQ(hitTest(window.get(), CGPointMake(115, 115)), during) << options;
    fnd::RunLoop::main().runFor(0.4);
    EXPECT_EQ(hitTest(window.get(), CGPointMake(115, 115)), inner.get()) << options;
  }
}

// Counts taps and records the recogniser it was given.
struct Target : objc_object {
  long taps = 0;
  id lastRecognizer = nil;
};

long tapsOf(id target) { return static_cast<Target*>(target)->taps; }

Class targetClass() {
  static Class cls = [] {
    Class c = rt::defineClass<Target>("TapTarget", "NSObject");
    rt::addMethod(c, "tapped"_sel, +[](id self, SEL) { ++static_cast<Target*>(self)->taps; });
    rt::addMethod(c, "tappedWith:"_sel, +[](id self, SEL, id r) {
      ++static_cast<Target*>(self)->taps;
      static_cast<Target*>(self)->lastRecognizer = r;
      events().push_back(send<NSInteger>(r, "state"_sel) == UIGestureRecognizerStateEnded ? "ended" : "?");
    });
    return c;
  }();
  return cls;
}

Ref<> tapRecognizer(id target, SEL action) {
  return rt::create(objc_getClass("UITapGestureRecognizer"), "initWithTarget:action:"_sel, target, action);
}

// A recogniser outliving its view forgets it; nothing is left behind.
TEST(Taps, ReachTheRecognisersOfTheNearestViewThatHasThem) {
  long before = rt::liveObjectCount();
  {
    rt::AutoreleasePool pool;
    Ref<> window = makeView(CGRectMake(0, 0, 300, 300), "UIWindow");
    Ref<> card = addChild(window.get(), CGRectMake(50, 50, 200, 200)), label = addChild(card.get(), CGRectMake(20, 20, 100, 30));
    Ref<> outer = rt::create(targetClass()), inner = rt::create(targetClass());
    uint32_t count = rt::retainCount(outer.get());
    Ref<> onWindow = tapRecognizer(outer.get(), "tapped"_sel), onCard = tapRecognizer(inner.get(), "tappedWith:"_sel);
    EXPECT_EQ(rt::retainCount(outer.get()), count);  // targets are not retained
    send<void>(window, "addGestureRecognizer:"_sel, onWindow);
    send<void>(card, "addGestureRecognizer:"_sel, onCard);
    EXPECT_EQ(send<id>(onCard, "view"_sel), card.get());

    uikit::TouchInjector finger(window.get());
    finger.tap(CGPointMake(80, 80));  // on the label, which has none: the card's recogniser
    EXPECT_EQ(tapsOf(inner.get()), 1);
    EXPECT_EQ(tapsOf(outer.get()), 0);
    EXPECT_EQ(static_cast<Target*>(inner.get())->lastRecognizer, onCard.get());
    EXPECT_EQ(events(), std::vector<std::string>{"ended"});
    EXPECT_EQ(send<NSInteger>(onCard, "state"_sel), UIGestureRecognizerStatePossible);
    EXPECT_EQ(send<CGPoint>(onCard, "locationInView:"_sel, label.get()), CGPointMake(10, 10));
    EXPECT_EQ(send<CGPoint>(onCard, "locationInView:"_sel, card.get()), CGPointMake(30, 30));

    finger.tap(CGPointMake(10, 10));  // outside the card: the window's
    EXPECT_EQ(tapsOf(outer.get()), 1);
    finger.drag(CGPointMake(80, 80), CGPointMake(120, 80), 4);  // a drag is no tap
    EXPECT_EQ(tapsOf(inner.get()), 1);
    send<void>(card, "removeFromSuperview"_sel);
    card = label = nullptr;
    EXPECT_EQ(send<id>(onCard, "view"_sel), nil);
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
}

// A control that records its tracking calls; begins and continues answer `g_answer`.
bool g_answer = true;

std::string where(id touch, id view, bool withY) {
  CGPoint p = send<CGPoint>(touch, "locationInView:"_sel, view);
  return std::to_string(int(p.x)) + (withY ? "," + std::to_string(int(p.y)) : "");
}

Class trackingControl() {
  static Class cls = [] {
    Class c = makeSubclass("UIControl", "TrackingControl");
    class_addMethod(c, "beginTrackingWithTouch:withEvent:"_sel, +[](id self, SEL, id touch, id event) -> bool {
      events().push_back("begin " + where(touch, self, true));
      EXPECT_EQ(send<NSInteger>(touch, "phase"_sel), UITouchPhaseBegan);
      EXPECT_EQ(send<NSUInteger>(send<id>(event, "allTouches"_sel), "count"_sel), 1u);
      return g_answer;
    }, "B@:@@");
    class_addMethod(c, "continueTrackingWithTouch:withEvent:"_sel, +[](id self, SEL, id touch, id) -> bool {
      events().push_back("continue " + where(touch, self, false));
      EXPECT_TRUE(send<bool>(self, "isTracking"_sel));
      return g_answer;
    }, "B@:@@");
    class_addMethod(c, "endTrackingWithTouch:withEvent:"_sel, +[](id, SEL, id touch, id) {
      events().push_back("end " + std::to_string(send<NSInteger>(touch, "phase"_sel)));
    }, "v@:@@");
    class_addMethod(c, "cancelTrackingWithEvent:"_sel, +[](id, SEL, id) { events().push_back("cancel"); },
                    "v@:@");
    return c;
  }();
  return cls;
}

// A drag runs begin, a continue per move, then end; a cancelled touch or a new one cancels,
// and a refused begin stops the tracking.
TEST(ControlTracking, ADragRunsBeginThenContinuePerMoveThenEnd) {
  Ref<> window = makeView(CGRectMake(0, 0, 300, 300), "UIWindow");
  Ref<> control = addChild(window.get(), CGRectMake(40, 100, 200, 40), trackingControl());
  addChild(control.get(), CGRectMake(0, 10, 200, 20));  // a plain subview takes the hit
  Ref<> target = rt::create(targetClass());
  send<void>(window, "addGestureRecognizer:"_sel, tapRecognizer(target.get(), "tapped"_sel).get());
  uikit::TouchInjector finger(window.get());
  using Events = std::vector<std::string>;
  const struct { bool answer; CGFloat toX; int steps; bool cancel; Events seen; } cases[] = {
      {true, 110, 3, false, {"begin 10,20", "continue 30", "continue 50", "continue 70", "end 3"}},
      {true, 60, 1, true, {"begin 10,20", "continue 20", "cancel"}},
      {false, 60, 2, false, {"begin 10,20"}}};
  for (const auto& c : cases) {
    events().clear();
    g_answer = c.answer;
    finger.drag(CGPointMake(50, 120), CGPointMake(c.toX, 120), c.steps, c.cancel);
    EXPECT_EQ(events(), c.seen);
    EXPECT_FALSE(send<bool>(control, "isTracking"_sel));
  }
  EXPECT_EQ(tapsOf(target.get()), 0);  // the control was nearer

  events().clear();
  g_answer = true;
  finger.begin(CGPointMake(50, 120));
  finger.move(CGPointMake(70, 120));
  EXPECT_TRUE(send<bool>(control, "isTracking"_sel));
  finger.begin(CGPointMake(60, 120));  // a new touch cancels the old one
  finger.end();
  EXPECT_EQ(events(), (Events{"begin 10,20", "continue 30", "cancel", "begin 20,20", "end 3"}));
}

// A finger on a scroll view's content: a tap still reaches a view inside; a drag pans the
// content and is no tap; content pulled past an edge lags behind the finger and springs
// back once it lifts; a control keeps its drag. The wheel stops at the edges.
TEST(ScrollPanning, DragsMoveTheContentAndTapsStillReachIt) {
  Ref<> window = makeView(CGRectMake(0, 0, 300, 300), "UIWindow");
  Ref<> scroll = addChild(window.get(), CGRectMake(0, 0, 300, 200), "UIScrollView");
  send<void>(scroll, "setContentSize:"_sel, CGSizeMake(300, 500));
  Ref<> card = addChild(scroll.get(), CGRectMake(0, 0, 300, 100));
  addChild(scroll.get(), CGRectMake(0, 150, 300, 40), trackingControl());
  Ref<> target = rt::create(targetClass());
  send<void>(card, "addGestureRecognizer:"_sel, tapRecognizer(target.get(), "tapped"_sel).get());
  auto shown = [&] { return uikit::presentationContentOffset(scroll.get()).y; };
  const struct { const char* what; CGFloat fromY, toY, heldLow, heldHigh, rest; long taps; } cases[] = {
      {"tap", 50, 53, 0, 0, 0, 1},
      {"drag", 60, 10, 50, 50, 50, 0},
      {"past the top", 20, 120, -99, -1, 0, 0},
      {"past the bottom", 195, -205, 301, 399, 300, 0},
      {"on the control", 170, 100, 0, 0, 0, 0}};
  uikit::TouchInjector finger(window.get());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    send<void>(scroll, "setContentOffset:"_sel, CGPointMake(0, 0));
    long taps = tapsOf(target.get());
    finger.begin({150, c.fromY});
    for (int i = 1; i <= 4; ++i) finger.move({150, c.fromY + (c.toY - c.fromY) * i / 4});
    CGFloat held = shown();
    EXPECT_GE(held, c.heldLow);
    EXPECT_LE(held, c.heldHigh);
    finger.end();
    EXPECT_EQ(send<CGPoint>(scroll, "contentOffset"_sel).y, c.rest);
    EXPECT_EQ(shown(), held);
    fnd::RunLoop::main().runFor(1);
    EXPECT_EQ(shown(), c.rest);
    EXPECT_EQ(tapsOf(target.get()) - taps, c.taps);
  }
  finger.scroll({150, 100}, {0, 1000});
  EXPECT_EQ(shown(), 300);
  finger.scroll({150, 100}, {0, -50});
  EXPECT_EQ(shown(), 250);
}

}  // namespace
