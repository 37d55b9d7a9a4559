#include "foundation/notification_center.h"

#include <map>
#include <string>
#include <vector>

#include "foundation/perform.h"
#include "runtime/class_setup.h"

namespace {

Class g_NSNotification, g_NSNotificationCenter, g_ObserverTracker;

struct Observation {
  id observer;
  SEL selector;
  Ref<> name;
  id object;
};

struct NSNotificationCenter : objc_object {
  // By registration order, which is the order of delivery.
  std::map<unsigned long, Observation> observations;
  unsigned long lastToken = 0;
};

// Attached to each observer as an associated object, so that a dying observer leaves the
// centre even when its own dealloc does not remove it.
struct ObserverTracker : objc_object {
  id observer = nullptr;
  Ref<> center;
};

NSNotificationCenter* asCenter(id center) { return static_cast<NSNotificationCenter*>(center); }
NSNotification* asNotification(id n) { return static_cast<NSNotification*>(n); }

bool sameName(id a, id b) { return a == b || (a && b && send<bool>(a, "isEqual:"_sel, b)); }

// NSNotification

id Notification_initWithNameObjectUserInfo(id self, SEL, id name, id object, id userInfo) {
  if (!name) rt::fatal("-[NSNotification initWithName:object:userInfo:]: the name is nil");
  NSNotification* n = asNotification(self);
  n->name = Ref<>::adopt(send<id>(name, "copy"_sel));
  n->object = Ref<>::retain(object);
  n->userInfo = Ref<>::retain(userInfo);
  return self;
}

id Notification_notificationWithNameObjectUserInfo(id cls, SEL, id name, id object, id userInfo) {
  Class c = reinterpret_cast<Class>(cls);
  return rt::autorelease(rt::create(c, "initWithName:object:userInfo:"_sel, name, object, userInfo));
}

id Notification_notificationWithNameObject(id cls, SEL, id name, id object) {
  return Notification_notificationWithNameObjectUserInfo(cls, nullptr, name, object, nil);
}

id Notification_name(id self, SEL) { return asNotification(self)->name.get(); }
id Notification_object(id self, SEL) { return asNotification(self)->object.get(); }
id Notification_userInfo(id self, SEL) { return asNotification(self)->userInfo.get(); }

// NSNotificationCenter

void Center_removeObserverNameObject(id self, SEL, id observer, id name, id object) {
  if (!observer) return;
  auto& observations = asCenter(self)->observations;
  std::erase_if(observations, [&](const auto& entry) {
    const Observation& o = entry.second;
    return o.observer == observer && (!name || sameName(o.name.get(), name)) && (!object || o.object == object);
  });
}

void Center_removeObserver(id self, SEL, id observer) {
  Center_removeObserverNameObject(self, nullptr, observer, nil, nil);
}

void Tracker_dealloc(id self, SEL) {
  auto* tracker = static_cast<ObserverTracker*>(self);
  Center_removeObserver(tracker->center.get(), nullptr, tracker->observer);
  sendSuper<void>(rt::rootClass(), self, "dealloc"_sel);
}

void trackObserver(id center, id observer) {
  if (objc_getAssociatedObject(observer, center)) return;
  auto tracker = Ref<ObserverTracker>::adopt(static_cast<ObserverTracker*>(rt::allocateInstance(g_ObserverTracker)));
  tracker->observer = observer;
  tracker->center = Ref<>::retain(center);
  objc_setAssociatedObject(observer, center, tracker.get(), OBJC_ASSOCIATION_RETAIN_NONATOMIC);
}

void Center_addObserver(id self, SEL, id observer, SEL selector, id name, id object) {
  if (!observer) return;
  if (!selector) rt::fatal("-[NSNotificationCenter addObserver:selector:name:object:]: the selector is null");
  NSNotificationCenter* center = asCenter(self);
  center->observations.emplace(++center->lastToken,
                               Observation{observer, selector, Ref<>::adopt(send<id>(name, "copy"_sel)), object});
  trackObserver(self, observer);
}

void Center_postNotification(id self, SEL, id notification) {
  if (!notification) rt::fatal("-[NSNotificationCenter postNotification:]: the notification is nil");
  auto held = Ref<>::retain(notification);
  id name = send<id>(notification, "name"_sel);
  id object = send<id>(notification, "object"_sel);
  auto& observations = asCenter(self)->observations;
  std::vector<unsigned long> chosen;
  for (const auto& [token, o] : observations)
    if ((!o.name || sameName(o.name.get(), name)) && (!o.object || o.object == object)) chosen.push_back(token);
  for (unsigned long token : chosen) {
    auto found = observations.find(token);
    if (found == observations.end()) continue;
    fnd::perform(found->second.observer, found->second.selector, notification);
  }
}

void Center_postNotificationNameObjectUserInfo(id self, SEL, id name, id object, id userInfo) {
  if (!name) rt::fatal("-[NSNotificationCenter postNotificationName:object:]: the name is nil");
  Ref<> notification = Ref<>::adopt(rt::allocateInstance(g_NSNotification));
  Notification_initWithNameObjectUserInfo(notification.get(), nullptr, name, object, userInfo);
  Center_postNotification(self, nullptr, notification.get());
}

void Center_postNotificationNameObject(id self, SEL, id name, id object) {
  Center_postNotificationNameObjectUserInfo(self, nullptr, name, object, nil);
}

id Center_defaultCenter(id, SEL) {
  static id center = [] {
    id c = rt::allocateInstance(g_NSNotificationCenter);
    rt::makeImmortal(c);
    return c;
  }();
  return center;
}

}  // namespace

namespace fnd {

size_t observationCount(id center) { return asCenter(center)->observations.size(); }

namespace {

void registerNotificationClasses() {
  using rt::addClassMethod;
  using rt::addMethod;
  g_NSNotification = rt::defineClass<NSNotification>("NSNotification", "NSObject");
  addClassMethod(g_NSNotification, "notificationWithName:object:"_sel, Notification_notificationWithNameObject);
  addClassMethod(g_NSNotification, "notificationWithName:object:userInfo:"_sel,
                 Notification_notificationWithNameObjectUserInfo);
  addMethod(g_NSNotification, "initWithName:object:userInfo:"_sel, Notification_initWithNameObjectUserInfo);
  addMethod(g_NSNotification, "name"_sel, Notification_name);
  addMethod(g_NSNotification, "object"_sel, Notification_object);
  addMethod(g_NSNotification, "userInfo"_sel, Notification_userInfo);

  g_NSNotificationCenter = rt::defineClass<NSNotificationCenter>("NSNotificationCenter", "NSObject");
  addClassMethod(g_NSNotificationCenter, "defaultCenter"_sel, Center_defaultCenter);
  addMethod(g_NSNotificationCenter, "addObserver:selector:name:object:"_sel, Center_addObserver);
  addMethod(g_NSNotificationCenter, "removeObserver:"_sel, Center_removeObserver);
  addMethod(g_NSNotificationCenter, "removeObserver:name:object:"_sel, Center_removeObserverNameObject);
  addMethod(g_NSNotificationCenter, "postNotification:"_sel, Center_postNotification);
  addMethod(g_NSNotificationCenter, "postNotificationName:object:"_sel, Center_postNotificationNameObject);
  addMethod(g_NSNotificationCenter, "postNotificationName:object:userInfo:"_sel,
            Center_postNotificationNameObjectUserInfo);

  g_ObserverTracker = rt::defineClass<ObserverTracker>("_NSObserverTracker", "NSObject");
  addMethod(g_ObserverTracker, "dealloc"_sel, Tracker_dealloc);
}

LV_CLASS_SETUP(registerNotificationClasses);

}  // namespace

}  // namespace fnd
