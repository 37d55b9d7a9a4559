#include "foundation/perform_requests.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "foundation/run_loop.h"
#include "foundation/values.h"

namespace {

using fnd::RunLoop;

// What ran, with the time since the test began.
using Calls = std::vector<std::pair<std::string, double>>;
Calls calls;
double start = 0;

struct Target : objc_object { std::string name; };

void note(id self, const std::string& what) {
  double at = std::round((RunLoop::main().now() - start) * 1e6) / 1e6;
  calls.emplace_back(static_cast<Target*>(self)->name + "." + what, at);
}

// By target alone without a selector; by target, selector and object with one.
void cancel(id target, SEL sel = nullptr, id object = nil) {
  if (!sel) return send<void>(rt::rootClass(), "cancelPreviousPerformRequestsWithTarget:"_sel, target);
  send<void>(rt::rootClass(), "cancelPreviousPerformRequestsWithTarget:selector:object:"_sel, target, sel, object);
}

Class targetClass() {
  static Class cls = [] {
    Class c = rt::defineClass<Target>("PerformTarget", "NSObject");
    rt::addMethod(c, "ping"_sel, +[](id self, SEL) { note(self, "ping"); });
    rt::addMethod(c, "take:"_sel, +[](id self, SEL, id object) { note(self, "take " + (object ? fnd::utf8(object) : "nil")); });
    rt::addMethod(c, "echo:"_sel, +[](id, SEL, id object) { return object; });
    rt::addMethod(c, "count"_sel, +[](id, SEL) -> long { return 3; });
    rt::addMethod(c, "stopOthers"_sel, +[](id self, SEL) {
      note(self, "stop");
      cancel(self);
    });
    return c;
  }();
  return cls;
}

Ref<> makeTarget(const std::string& name) {
  Ref<> t = rt::create(targetClass());
  static_cast<Target*>(t.get())->name = name;
  return t;
}

void later(id target, SEL sel, id object, double delay) {
  send<void>(target, "performSelector:withObject:afterDelay:"_sel, sel, object, delay);
}

struct PerformRequests : testing::Test {
  PerformRequests() {
    calls.clear();
    start = RunLoop::main().now();
  }
};

// A method of another shape than an object result and at most an object argument, or none,
// is refused, now or when the delayed call comes.
TEST_F(PerformRequests, DirectPerformsCallWithOrWithoutTheObjectAndOthersAreRefused) {
  Ref<> t = makeTarget("t");
  id word = fnd::string("word");
  EXPECT_EQ(send<id>(t, "performSelector:withObject:"_sel, "echo:"_sel, word), word);
  EXPECT_EQ(send<id>(t, "performSelector:withObject:"_sel, "ping"_sel, word), nil);
  EXPECT_EQ(send<id>(t, "performSelector:"_sel, "take:"_sel), nil);
  EXPECT_EQ(calls, (Calls{{"t.ping", 0}, {"t.take nil", 0}}));
  EXPECT_DEATH(send<id>(t, "performSelector:"_sel, "count"_sel), "-\\[PerformTarget count\\]: cannot be performed");
  EXPECT_DEATH(send<id>(t, "performSelector:"_sel, "missing"_sel), "unrecognized selector");
  EXPECT_DEATH(
      {
        later(t.get(), "missing"_sel, nil, 1);
        RunLoop::main().runFor(1);
      },
      "-\\[PerformTarget missing\\]: unrecognized selector");
}

// Calls due together run in the order asked for, none before the loop runs. c's first call
// cancels the rest of c's, one due at the same moment among them.
TEST_F(PerformRequests, DelayedCallsRunInOrderUnlessCancelledByTargetOrBySelectorAndObject) {
  Ref<> a = makeTarget("a"), b = makeTarget("b"), c = makeTarget("c");
  later(b.get(), "take:"_sel, nil, 0);
  later(a.get(), "take:"_sel, fnd::string("x"), 1);
  later(a.get(), "take:"_sel, fnd::string("y"), 1);
  later(a.get(), "take:"_sel, nil, 1);
  later(a.get(), "ping"_sel, nil, 1);
  later(b.get(), "take:"_sel, fnd::string("x"), 1);
  later(b.get(), "ping"_sel, nil, 2);
  later(c.get(), "stopOthers"_sel, nil, 1);
  later(c.get(), "ping"_sel, nil, 1);
  later(c.get(), "ping"_sel, nil, 2);
  cancel(a.get(), "take:"_sel, fnd::string("x"));  // an equal string, not the same object
  cancel(a.get(), "take:"_sel, nil);
  cancel(a.get(), "count"_sel, nil);
  EXPECT_TRUE(calls.empty());
  RunLoop::main().runFor(1);
  later(a.get(), "ping"_sel, nil, 0.5);
  later(a.get(), "take:"_sel, nil, 1);
  cancel(a.get());
  cancel(a.get());
  RunLoop::main().runFor(2);
  EXPECT_EQ(calls, (Calls{{"b.take nil", 0}, {"a.take y", 1}, {"a.ping", 1}, {"b.take x", 1}, {"c.stop", 1},
                          {"b.ping", 2}}));
}

// t's call runs; c's two are cancelled, and c goes with the last of them.
TEST_F(PerformRequests, TargetAndObjectAreHeldUntilTheCallRunsOrIsCancelled) {
  long before = rt::liveObjectCount();
  id c = nil;
  {
    rt::AutoreleasePool pool;
    later(makeTarget("t").get(), "take:"_sel, fnd::string("payload"), 1);
    Ref<> held = makeTarget("c");
    later(c = held.get(), "ping"_sel, nil, 1);
    later(c, "take:"_sel, fnd::string("payload"), 1);
  }
  EXPECT_EQ(rt::liveObjectCount(), before + 4);
  cancel(c, "ping"_sel, nil);
  EXPECT_EQ(rt::liveObjectCount(), before + 4);
  {
    rt::AutoreleasePool pool;
    cancel(c, "take:"_sel, fnd::string("payload"));
  }
  EXPECT_EQ(rt::liveObjectCount(), before + 2);
  RunLoop::main().runFor(0.5);
  EXPECT_EQ(rt::liveObjectCount(), before + 2);
  RunLoop::main().runFor(0.5);
  EXPECT_EQ(rt::liveObjectCount(), before);
  EXPECT_EQ(calls, (Calls{{"t.take payload", 1}}));
}

}  // namespace
