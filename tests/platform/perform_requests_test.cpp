#include "foundation/perform_requests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/run_loop.h"
#include "foundation/values.h"

namespace {

using fnd::RunLoop;

struct Call {
  std::string what;
  double at;
  bool operator==(const Call&) const = default;
};

std::vector<Call> calls;

struct Target : objc_object {
  std::string name;
};

std::string nameOf(id self) { return static_cast<Target*>(self)->name; }
void note(id self, const std::string& what) {
  calls.push_back({nameOf(self) + "." + what, RunLoop::main().now()});
}

void Target_ping(id self, SEL) { note(self, "ping"); }
void Target_take(id self, SEL, id object) { note(self, "take " + (object ? fnd::utf8(object) : "nil")); }
id Target_echo(id, SEL, id object) { return object; }
long Target_count(id, SEL) { return 3; }
void Target_stopOthers(id self, SEL) {
  note(self, "stop");
  send<void>(rt::rootClass(), "cancelPreviousPerformRequestsWithTarget:"_sel, self);
}

Class targetClass() {
  static Class cls = [] {
    Class c = rt::defineClass<Target>("PerformTarget", "NSObject");
    rt::addMethod(c, "ping"_sel, Target_ping);
    rt::addMethod(c, "take:"_sel, Target_take);
    rt::addMethod(c, "echo:"_sel, Target_echo);
    rt::addMethod(c, "count"_sel, Target_count);
    rt::addMethod(c, "stopOthers"_sel, Target_stopOthers);
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

void cancel(id target) {
  send<void>(rt::rootClass(), "cancelPreviousPerformRequestsWithTarget:"_sel, target);
}

void cancel(id target, SEL sel, id object) {
  send<void>(rt::rootClass(), "cancelPreviousPerformRequestsWithTarget:selector:object:"_sel,
             target, sel, object);
}

TEST(PerformRequests, DirectPerformsCallWithOrWithoutTheObject) {
  rt::AutoreleasePool pool;
  Ref<> t = makeTarget("t");
  id word = fnd::string("word");
  EXPECT_EQ(send<id>(t, "performSelector:withObject:"_sel, "echo:"_sel, word), word);
  EXPECT_EQ(send<id>(t, "performSelector:withObject:"_sel, "ping"_sel, word), nil);
  EXPECT_EQ(send<id>(t, "performSelector:"_sel, "take:"_sel), nil);
  EXPECT_EQ(send<id>(nil, "performSelector:"_sel, "ping"_sel), nil);
  EXPECT_EQ(calls, (std::vector<Call>{{"t.ping", 0}, {"t.take nil", 0}}));
}

TEST(PerformRequests, DelayedCallsRunInTimeOrderAtTheirTimes) {
  Ref<> a = makeTarget("a");
  Ref<> b = makeTarget("b");
  {
    rt::AutoreleasePool pool;
    later(a, "take:"_sel, fnd::string("x"), 1.5);
    later(b, "ping"_sel, nil, 0.5);
    later(a, "ping"_sel, nil, 1.5);
    later(b, "take:"_sel, nil, 0);
  }
  EXPECT_TRUE(calls.empty());
  RunLoop::main().runFor(2);
  EXPECT_EQ(calls, (std::vector<Call>{{"b.take nil", 0}, {"b.ping", 0.5}, {"a.take x", 1.5}, {"a.ping", 1.5}}));
}

TEST(PerformRequests, CancellingByTargetOrBySelectorAndObjectRemovesExactlyThoseCalls) {
  rt::AutoreleasePool pool;
  Ref<> a = makeTarget("a");
  Ref<> b = makeTarget("b");
  later(a, "take:"_sel, fnd::string("x"), 1);
  later(a, "take:"_sel, fnd::string("y"), 1);
  later(a, "take:"_sel, nil, 1);
  later(a, "ping"_sel, nil, 1);
  later(b, "take:"_sel, fnd::string("x"), 1);
  later(b, "ping"_sel, nil, 2);
  cancel(a, "take:"_sel, fnd::string("x"));  // an equal string, not the same object
  cancel(a, "take:"_sel, nil);
  cancel(a, "count"_sel, nil);
  RunLoop::main().runFor(1);
  later(a, "ping"_sel, nil, 0.5);
  later(a, "take:"_sel, nil, 1);
  cancel(a);
  cancel(a);
  RunLoop::main().runFor(2);
  EXPECT_EQ(calls, (std::vector<Call>{{"a.take y", 1}, {"a.ping", 1}, {"b.take x", 1}, {"b.ping", 2}}));
}

TEST(PerformRequests, TargetAndObjectAreHeldUntilTheCallRunsOrIsCancelled) {
  long before = rt::liveObjectCount();
  {
    rt::AutoreleasePool pool;
    later(makeTarget("t"), "take:"_sel, fnd::string("payload"), 1);
  }
  RunLoop::main().runFor(0.5);
  EXPECT_EQ(rt::liveObjectCount(), before + 2);
  RunLoop::main().runFor(0.5);
  EXPECT_EQ(rt::liveObjectCount(), before);
  EXPECT_EQ(calls, (std::vector<Call>{{"t.take payload", 1}}));

  id target = makeTarget("c").leak();
  later(target, "ping"_sel, nil, 1);
  {
    rt::AutoreleasePool pool;
    later(target, "take:"_sel, fnd::string("payload"), 1);
  }
  rt::release(target);
  EXPECT_EQ(rt::liveObjectCount(), before + 2);
  cancel(target, "ping"_sel, nil);
  EXPECT_EQ(rt::liveObjectCount(), before + 2);
  {
    rt::AutoreleasePool pool;
    cancel(target, "take:"_sel, fnd::string("payload"));
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
  RunLoop::main().runFor(2);
  EXPECT_EQ(calls.size(), 1u);
}

TEST(PerformRequests, ARunningCallMayCancelTheRestOfItsTarget) {
  Ref<> t = makeTarget("t");
  later(t, "stopOthers"_sel, nil, 1);
  later(t, "ping"_sel, nil, 1);
  later(t, "ping"_sel, nil, 2);
  RunLoop::main().runFor(3);
  EXPECT_EQ(calls, (std::vector<Call>{{"t.stop", 1}}));
}

TEST(PerformRequestsDeathTest, MethodsOfOtherShapesAreRefused) {
  Ref<> t = makeTarget("t");
  EXPECT_DEATH(send<id>(t, "performSelector:"_sel, "count"_sel),
               "-\\[PerformTarget count\\]: cannot be performed");
  EXPECT_DEATH(send<id>(t, "performSelector:"_sel, "missing"_sel), "unrecognized selector");
  later(t, "missing"_sel, nil, 1);
  EXPECT_DEATH(RunLoop::main().runFor(1), "-\\[PerformTarget missing\\]: unrecognized selector");
}

}  // namespace
