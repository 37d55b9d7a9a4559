#include "quartz/animation.h"

#include "foundation/values.h"
#include "runtime/accessors.h"
#include "quartz/animation_engine.h"
#include "runtime/class_setup.h"

namespace quartz {

namespace {

Class g_basic = nullptr;
Class g_spring = nullptr;

id CAAnimation_keyPath(id self, SEL) { return fnd::string(keyOf(static_cast<CAAnimation*>(self)->property)); }

}  // namespace

CAAnimation* makeAnimation(bool spring) {
  return static_cast<CAAnimation*>(rt::allocateInstance(spring ? g_spring : g_basic));
}

namespace {

void registerAnimationClasses() {
  Class animation = rt::defineClass<CAAnimation>("CAAnimation", "NSObject");
  rt::addMethod(animation, "duration"_sel, rt::fieldGetter<&CAAnimation::duration>);
  rt::addMethod(animation, "beginTime"_sel, rt::fieldGetter<&CAAnimation::beginTime>);
  Class property = rt::defineClass<CAAnimation>("CAPropertyAnimation", "CAAnimation");
  rt::addMethod(property, "keyPath"_sel, CAAnimation_keyPath);
  g_basic = rt::defineClass<CAAnimation>("CABasicAnimation", "CAPropertyAnimation");
  g_spring = rt::defineClass<CAAnimation>("CASpringAnimation", "CABasicAnimation");
  installAnimationEngine();
}

LV_CLASS_SETUP(registerAnimationClasses);

}  // namespace

}  // namespace quartz

quartz::AnimatedValue CAAnimation::valueAt(double now) const {
  if (now <= beginTime) return from;
  if (now >= endTime()) return to;
  return quartz::interpolate(property, from, to, timing.progress(now - beginTime, duration));
}
