#include "foundation/notification_center.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "foundation/values.h"
#include "uikit/application_notifications.h"

namespace {

using Heard = std::vector<std::string>;
Heard heard;

struct Listener : objc_object {
  std::string label;
  std::function<void()> onHear;
  bool leavesInDealloc = false;
};

Listener* asListener(id self) { return static_cast<Listener*>(self); }
id center() { return send<id>(objc_getClass("NSNotificationCenter"), "defaultCenter"_sel); }

Class listenerClass() {
  static Class cls = [] {
    Class c = rt::defineClass<Listener>("Listener", "NSObject");
    rt::addMethod(c, "hear:"_sel, +[](id self, SEL, id notification) {
      heard.push_back(asListener(self)->label + " " + fnd::utf8(send<id>(notification, "name"_sel)));
      if (auto& then = asListener(self)->onHear) then();
    });
    rt::addMethod(c, "poke"_sel, +[](id self, SEL) { heard.push_back(asListener(self)->label + " poked"); });
    rt::addMethod(c, "dealloc"_sel, +[](id self, SEL) {
      heard.push_back(asListener(self)->label + " gone");
      if (asListener(self)->leavesInDealloc) send<void>(center(), "removeObserver:"_sel, self);
      sendSuper<void>(rt::rootClass(), self, "dealloc"_sel);
    });
    return c;
  }();
  return cls;
}

Ref<> listener(const std::string& label) {
  Ref<> l = rt::create(listenerClass());
  asListener(l.get())->label = label;
  return l;
}

void observe(id observer, SEL sel, id name, id object = nil) {
  send<void>(center(), "addObserver:selector:name:object:"_sel, observer, sel, name, object);
}

void post(const char* name, id object = nil) {
  send<void>(center(), "postNotificationName:object:"_sel, fnd::string(name), object);
}

// The centre outlives every test; what a test heard starts empty.
struct NotificationCenter : testing::Test {
  NotificationCenter() { heard.clear(); }
};

TEST_F(NotificationCenter, DeliversByNameAndSenderInRegistrationOrder) {
  id sender = fnd::string("sender");
  Ref<> any = listener("any"), named = listener("named"), fromSender = listener("fromSender"),
        poked = listener("poked");
  observe(named.get(), "hear:"_sel, fnd::string("ping"));
  observe(any.get(), "hear:"_sel, nil);
  observe(fromSender.get(), "hear:"_sel, fnd::string("ping"), sender);
  observe(poked.get(), "poke"_sel, UIApplicationDidBecomeActiveNotification);
  post("ping");
  post("ping", fnd::string("sender"));  // equal, but not the sender itself
  post("ping", sender);
  post("UIApplicationDidBecomeActiveNotification", sender);
  EXPECT_EQ(heard, (Heard{"named ping", "any ping", "named ping", "any ping", "named ping", "any ping",
                          "fromSender ping", "any UIApplicationDidBecomeActiveNotification", "poked poked"}));
}

// Observers removed, added or freed during a post sit it out: the removed and the dead hear
// no more, the added hear the next one. None is retained.
TEST_F(NotificationCenter, ObserversChangedDuringAPostSitItOutAndAreNotRetained) {
  center();
  long before = rt::liveObjectCount();
  {
    rt::AutoreleasePool pool;
    Ref<> killer = listener("killer"), second = listener("second"), late = listener("late");
    id polite = listener("polite").leak(), silent = listener("silent").leak();
    asListener(polite)->leavesInDealloc = true;
    asListener(killer.get())->onHear = [&] {
      rt::release(std::exchange(polite, nil));
      rt::release(std::exchange(silent, nil));
      for (id gone : {second.get(), killer.get()}) send<void>(center(), "removeObserver:"_sel, gone);
      observe(late.get(), "hear:"_sel, nil);
    };
    for (id o : {killer.get(), polite, second.get(), silent}) observe(o, "hear:"_sel, nil);
    observe(silent, "poke"_sel, nil);
    post("x");
    post("y");
  }
  EXPECT_EQ(heard, (Heard{"killer x", "polite gone", "silent gone", "late y", "late gone", "second gone", "killer gone"}));
  EXPECT_EQ(rt::liveObjectCount(), before);
}

}  // namespace
