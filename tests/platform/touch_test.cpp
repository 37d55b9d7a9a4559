#include <gtest/gtest.h>

#include "foundation/run_loop.h"
#include "substrate/substrate.h"
#include "uikit/gesture_recognizer.h"
#include "uikit/touch.h"
#include "uikit/touch_injector.h"
#include "uikit/view.h"
#include "uikit/view_animation.h"
#include "view_support.h"

using testing_support::events;
using testing_support::makeView;

namespace {

Ref<> child(id parent, CGRect frame, const char* cls = "UIView") {
  Ref<> v = makeView(frame, cls);
  send<void>(parent, "addSubview:"_sel, v);
  return v;
}

id hitTest(id view, CGPoint p) { return send<id>(view, "hitTest:withEvent:"_sel, p, nil); }

// A view whose touch area reaches 20 points beyond its bounds, as a host may make one.
Class wideTouchView() {
  static Class cls = [] {
    Class c = objc_allocateClassPair(objc_getClass("UIView"), "WideTouchView", 0);
    objc_registerClassPair(c);
    class_addMethod(c, "pointInside:withEvent:"_sel, +[](id self, SEL, CGPoint p, id) -> bool {
      CGRect b = send<CGRect>(self, "bounds"_sel);
      return CGRectContainsPoint(CGRectMake(b.origin.x - 20, b.origin.y - 20, b.size.width + 40,
                                            b.size.height + 40), p);
    }, "B@:{CGPoint}@");
    return c;
  }();
  return cls;
}

TEST(HitTesting, FrontmostTouchableViewUnderThePointIsFound) {
  rt::AutoreleasePool pool;
  Ref<> window = makeView(CGRectMake(0, 0, 300, 300), "UIWindow");
  Ref<> back = child(window, CGRectMake(0, 0, 200, 200));
  Ref<> front = child(window, CGRectMake(100, 100, 100, 100));
  Ref<> inner = child(front, CGRectMake(10, 10, 20, 20));
  EXPECT_EQ(hitTest(window, CGPointMake(50, 50)), back.get());
  EXPECT_EQ(hitTest(window, CGPointMake(150, 150)), front.get());
  EXPECT_EQ(hitTest(window, CGPointMake(115, 115)), inner.get());
  EXPECT_EQ(hitTest(window, CGPointMake(250, 250)), window.get());
  EXPECT_EQ(hitTest(window, CGPointMake(350, 10)), nil);

  send<void>(inner, "setHidden:"_sel, true);
  EXPECT_EQ(hitTest(window, CGPointMake(115, 115)), front.get());
  send<void>(front, "setAlpha:"_sel, 0.005);
  EXPECT_EQ(hitTest(window, CGPointMake(150, 150)), back.get());
  send<void>(front, "setAlpha:"_sel, 0.02);
  EXPECT_EQ(hitTest(window, CGPointMake(150, 150)), front.get());
  send<void>(front, "setUserInteractionEnabled:"_sel, false);
  EXPECT_EQ(hitTest(window, CGPointMake(150, 150)), back.get());
}

TEST(HitTesting, AReplacedPointInsideDecides) {
  rt::AutoreleasePool pool;
  Ref<> window = makeView(CGRectMake(0, 0, 300, 300), "UIWindow");
  Ref<> wide = child(window, CGRectMake(100, 100, 50, 50), class_getName(wideTouchView()));
  EXPECT_EQ(hitTest(window, CGPointMake(85, 125)), wide.get());
  EXPECT_EQ(hitTest(window, CGPointMake(75, 125)), window.get());

  // A replacement installed later, as the library installs its own, decides as well.
  Class refusing = objc_allocateClassPair(objc_getClass("UIView"), "RefusingView", 0);
  objc_registerClassPair(refusing);
  Ref<> view = child(window, CGRectMake(0, 0, 40, 40), "RefusingView");
  EXPECT_EQ(hitTest(window, CGPointMake(10, 10)), view.get());
  bool (*slot)(id, SEL, CGPoint, id) = nullptr;
  MSHookMessageEx(refusing, "pointInside:withEvent:"_sel,
                  +[](id, SEL, CGPoint, id) -> bool { return false; }, &slot);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(hitTest(window, CGPointMake(10, 10)), window.get());
}

// Records taps and the recogniser it was given.
struct Target : objc_object {
  long taps = 0;
  id lastRecognizer = nil;
};

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

TEST(Taps, ReachTheRecognisersOfTheNearestViewThatHasThem) {
  rt::AutoreleasePool pool;
  Ref<> window = makeView(CGRectMake(0, 0, 300, 300), "UIWindow");
  Ref<> card = child(window, CGRectMake(50, 50, 200, 200));
  Ref<> label = child(card, CGRectMake(20, 20, 100, 30));
  Ref<> outer = rt::create(targetClass());
  Ref<> inner = rt::create(targetClass());
  uint32_t count = outer->refcount;
  Ref<> onWindow = tapRecognizer(outer, "tapped"_sel);
  Ref<> onCard = tapRecognizer(inner, "tappedWith:"_sel);
  EXPECT_EQ(outer->refcount, count);  // targets are not retained
  send<void>(window, "addGestureRecognizer:"_sel, onWindow);
  send<void>(card, "addGestureRecognizer:"_sel, onCard);
  EXPECT_EQ(send<id>(onCard, "view"_sel), card.get());

  uikit::TouchInjector finger(window);
  finger.tap(CGPointMake(80, 80));  // on the label, which has none: the card's recogniser
  EXPECT_EQ(static_cast<Target*>(inner.get())->taps, 1);
  EXPECT_EQ(static_cast<Target*>(outer.get())->taps, 0);
  EXPECT_EQ(static_cast<Target*>(inner.get())->lastRecognizer, onCard.get());
  EXPECT_EQ(events(), std::vector<std::string>{"ended"});
  EXPECT_EQ(send<NSInteger>(onCard, "state"_sel), UIGestureRecognizerStatePossible);
  EXPECT_EQ(send<CGPoint>(onCard, "locationInView:"_sel, label.get()), CGPointMake(10, 10));
  EXPECT_EQ(send<CGPoint>(onCard, "locationInView:"_sel, card.get()), CGPointMake(30, 30));

  finger.tap(CGPointMake(10, 10));  // outside the card: the window's
  EXPECT_EQ(static_cast<Target*>(outer.get())->taps, 1);

  finger.drag(CGPointMake(80, 80), CGPointMake(120, 80), 4);  // a drag is no tap
  EXPECT_EQ(static_cast<Target*>(inner.get())->taps, 1);
}

TEST(Taps, ARecogniserOutlivingItsViewForgetsIt) {
  long before = rt::liveObjectCount();
  {
    rt::AutoreleasePool pool;
    Ref<> target = rt::create(targetClass());
    Ref<> recognizer = tapRecognizer(target, "tapped"_sel);
    {
      Ref<> view = makeView(CGRectMake(0, 0, 10, 10));
      send<void>(view, "addGestureRecognizer:"_sel, recognizer);
    }
    EXPECT_EQ(send<id>(recognizer, "view"_sel), nil);
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
}

// A control that records its tracking calls; begins and continues answer what
// `answer` holds.
bool g_answer = true;

Class trackingControl() {
  static Class cls = [] {
    Class c = objc_allocateClassPair(objc_getClass("UIControl"), "TrackingControl", 0);
    objc_registerClassPair(c);
    class_addMethod(c, "beginTrackingWithTouch:withEvent:"_sel, +[](id self, SEL, id touch, id event) -> bool {
      CGPoint p = send<CGPoint>(touch, "locationInView:"_sel, self);
      events().push_back("begin " + std::to_string(int(p.x)) + "," + std::to_string(int(p.y)));
      EXPECT_EQ(send<NSInteger>(touch, "phase"_sel), UITouchPhaseBegan);
      EXPECT_EQ(send<NSUInteger>(send<id>(event, "allTouches"_sel), "count"_sel), 1u);
      return g_answer;
    }, "B@:@@");
    class_addMethod(c, "continueTrackingWithTouch:withEvent:"_sel, +[](id self, SEL, id touch, id) -> bool {
      CGPoint p = send<CGPoint>(touch, "locationInView:"_sel, self);
      events().push_back("continue " + std::to_string(int(p.x)));
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

TEST(ControlTracking, ADragRunsBeginThenContinuePerMoveThenEnd) {
  rt::AutoreleasePool pool;
  Ref<> window = makeView(CGRectMake(0, 0, 300, 300), "UIWindow");
  Ref<> control = child(window, CGRectMake(40, 100, 200, 40), class_getName(trackingControl()));
  Ref<> track = child(control, CGRectMake(0, 10, 200, 20));  // a plain subview takes the hit
  Ref<> target = rt::create(targetClass());
  send<void>(window, "addGestureRecognizer:"_sel, tapRecognizer(target, "tapped"_sel));

  uikit::TouchInjector finger(window);
  finger.drag(CGPointMake(50, 120), CGPointMake(110, 120), 3);
  EXPECT_EQ(events(), (std::vector<std::string>{"begin 10,20", "continue 30", "continue 50",
                                                "continue 70", "end 3"}));
  EXPECT_FALSE(send<bool>(control, "isTracking"_sel));
  EXPECT_EQ(static_cast<Target*>(target.get())->taps, 0);  // the control was nearer

  events().clear();
  finger.drag(CGPointMake(50, 120), CGPointMake(60, 120), 1, true);
  EXPECT_EQ(events(), (std::vector<std::string>{"begin 10,20", "continue 20", "cancel"}));

  events().clear();
  g_answer = false;
  finger.drag(CGPointMake(50, 120), CGPointMake(60, 120), 2);
  EXPECT_EQ(events(), std::vector<std::string>{"begin 10,20"});

  events().clear();
  g_answer = true;
  finger.begin(CGPointMake(50, 120));
  finger.move(CGPointMake(70, 120));
  EXPECT_TRUE(send<bool>(control, "isTracking"_sel));
  finger.begin(CGPointMake(60, 120));  // a new touch cancels the old one
  finger.end();
  EXPECT_EQ(events(), (std::vector<std::string>{"begin 10,20", "continue 30", "cancel",
                                                "begin 20,20", "end 3"}));
}

// A finger on a scroll view's content: a tap still reaches a view inside; a drag pans the
// content and is no tap; content pulled past an edge lags behind the finger and springs
// back once it lifts; a control keeps its drag. The wheel stops at the edges.
TEST(ScrollPanning, DragsMoveTheContentAndTapsStillReachIt) {
  rt::AutoreleasePool pool;
  Ref<> window = makeView(CGRectMake(0, 0, 300, 300), "UIWindow");
  Ref<> scroll = child(window, CGRectMake(0, 0, 300, 200), "UIScrollView");
  send<void>(scroll, "setContentSize:"_sel, CGSizeMake(300, 500));
  Ref<> card = child(scroll, CGRectMake(0, 0, 300, 100));
  Ref<> control = child(scroll, CGRectMake(0, 150, 300, 40), class_getName(trackingControl()));
  Ref<> target = rt::create(targetClass());
  send<void>(card, "addGestureRecognizer:"_sel, tapRecognizer(target, "tapped"_sel));
  auto shown = [&] { return uikit::presentationContentOffset(scroll).y; };
  struct Case {
    const char* what;
    CGFloat fromY, toY, heldLow, heldHigh, rest;
    long taps;
  };
  const Case cases[] = {{"tap", 50, 53, 0, 0, 0, 1},
                        {"drag", 60, 10, 50, 50, 50, 0},
                        {"past the top", 20, 120, -99, -1, 0, 0},
                        {"past the bottom", 195, -205, 301, 399, 300, 0},
                        {"on the control", 170, 100, 0, 0, 0, 0}};
  uikit::TouchInjector finger(window);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    send<void>(scroll, "setContentOffset:"_sel, CGPointMake(0, 0));
    long taps = static_cast<Target*>(target.get())->taps;
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
    EXPECT_EQ(static_cast<Target*>(target.get())->taps - taps, c.taps);
  }
  finger.scroll({150, 100}, {0, 1000});
  EXPECT_EQ(shown(), 300);
  finger.scroll({150, 100}, {0, -50});
  EXPECT_EQ(shown(), 250);
}

}  // namespace
