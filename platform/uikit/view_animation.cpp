#include "uikit/view_animation.h"

#include <optional>

#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "quartz/animation_engine.h"
#include "uikit/view_parts.h"

namespace uikit {

namespace {

double validSpan(double seconds) { return seconds > 0 ? seconds : 0; }

quartz::TimingCurve curveOf(NSUInteger options) {
  switch (options & UIViewAnimationOptionCurveLinear) {
    case UIViewAnimationOptionCurveEaseIn: return quartz::TimingCurve::easeIn();
    case UIViewAnimationOptionCurveEaseOut: return quartz::TimingCurve::easeOut();
    case UIViewAnimationOptionCurveLinear: return quartz::TimingCurve::linear();
    default: return quartz::TimingCurve::easeInEaseOut();
  }
}

void completeSoon(id completion) {
  if (!completion) return;
  fnd::RunLoop::main().dispatchAsync([block = fnd::keepBlock(completion)] { fnd::callCompletion(block.get(), true); });
}

struct Spring {
  double dampingRatio, initialVelocity;
};

// Runs the animations block inside a scope that makes its changes animate (or, with
// duration 0, apply at once), then hands the completion to the engine.
void animate(double duration, double delay, NSUInteger options, std::optional<Spring> spring,
             id animations, id completion) {
  quartz::ActionScope scope{validSpan(duration), validSpan(delay), curveOf(options), options, nullptr};
  const quartz::ActionScope* outer = quartz::currentActionScope();
  bool inheritsCurve = false;
  if (outer && outer->duration > 0) {
    if (!(options & UIViewAnimationOptionOverrideInheritedDuration)) scope.duration = outer->duration;
    inheritsCurve = !(options & UIViewAnimationOptionOverrideInheritedCurve);
  }
  if (inheritsCurve) scope.timing = outer->timing;
  else if (spring)
    scope.timing = quartz::TimingCurve::spring(spring->dampingRatio, spring->initialVelocity,
                                               scope.duration);
  if (scope.duration == 0) {
    quartz::pushActionScope(scope);
    fnd::callBlock(animations);
    quartz::popActionScope();
    completeSoon(completion);
    return;
  }
  scope.group = quartz::makeGroup(completion);
  std::shared_ptr<quartz::AnimationGroup> group = scope.group;
  quartz::pushActionScope(std::move(scope));
  fnd::callBlock(animations);
  if (options & UIViewAnimationOptionLayoutSubviews) runLayoutPass();
  quartz::popActionScope();
  if (group->recorded) quartz::sealGroup(group);
  else completeSoon(completion);
}

void UIView_animateFull(id, SEL, double duration, double delay, NSUInteger options, id animations,
                        id completion) {
  animate(duration, delay, options, std::nullopt, animations, completion);
}

void UIView_animateWithCompletion(id, SEL, double duration, id animations, id completion) {
  animate(duration, 0, 0, std::nullopt, animations, completion);
}

void UIView_animate(id, SEL, double duration, id animations) {
  animate(duration, 0, 0, std::nullopt, animations, nil);
}

void UIView_animateSpring(id, SEL, double duration, double delay, double damping, double velocity,
                          NSUInteger options, id animations, id completion) {
  animate(duration, delay, options, Spring{damping, velocity}, animations, completion);
}

void UIView_performWithoutAnimation(id, SEL, id actions) {
  quartz::pushActionScope({});
  fnd::callBlock(actions);
  quartz::popActionScope();
}

const CALayer* layerOf(id view) { return detail::asView(view)->layer.get(); }

}  // namespace

CGRect presentationFrame(id view) { return quartz::presentationFrame(layerOf(view)); }
CGRect presentationBounds(id view) { return quartz::presentationBounds(layerOf(view)); }
CGPoint presentationCenter(id view) { return quartz::presentationPosition(layerOf(view)); }
CGAffineTransform presentationTransform(id view) {
  return quartz::presentationTransform(layerOf(view));
}
CGFloat presentationAlpha(id view) { return quartz::presentationOpacity(layerOf(view)); }
CGPoint presentationContentOffset(id scrollView) { return presentationBounds(scrollView).origin; }

bool ignoresTouchesWhileAnimating(id view) {
  double now = fnd::RunLoop::main().now();
  for (const Ref<CAAnimation>& a : layerOf(view)->animations)
    if (!(a->options & UIViewAnimationOptionAllowUserInteraction) && now < a->endTime()) return true;
  return false;
}

namespace detail {

void addAnimationMethods(Class v) {
  rt::addClassMethod(v, "animateWithDuration:delay:options:animations:completion:"_sel,
                     UIView_animateFull);
  rt::addClassMethod(v, "animateWithDuration:animations:completion:"_sel,
                     UIView_animateWithCompletion);
  rt::addClassMethod(v, "animateWithDuration:animations:"_sel, UIView_animate);
  rt::addClassMethod(
      v,
      "animateWithDuration:delay:usingSpringWithDamping:initialSpringVelocity:options:animations:completion:"_sel,
      UIView_animateSpring);
  rt::addClassMethod(v, "performWithoutAnimation:"_sel, UIView_performWithoutAnimation);
}

}  // namespace detail
}  // namespace uikit
