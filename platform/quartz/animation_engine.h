#pragma once
// The animation engine: which layer properties are animating, their on-screen values at
// a moment of the run loop's clock, and the completions of view animation blocks. It
// serves the Animation phase of the display commit and tells the run loop when an
// animation starts or ends.
#include <memory>
#include <optional>

#include "quartz/animation.h"

struct CALayer;

namespace quartz {

// The parameters of the innermost view animation block while its animations run. A
// scope with duration 0 applies changes without animating them.
struct ActionScope {
  double duration = 0;
  double delay = 0;
  TimingCurve timing;
  NSUInteger options = 0;
  std::shared_ptr<AnimationGroup> group;
};
void pushActionScope(ActionScope scope);
void popActionScope();
const ActionScope* currentActionScope();

std::shared_ptr<AnimationGroup> makeGroup(id completion);
// The block has returned: a group whose records have all ended already is due now.
void sealGroup(const std::shared_ptr<AnimationGroup>& group);

// After the model value of `property` changed from `shown` (what was on screen) to
// `model`: inside an animating scope, for a view's layer with actions enabled, records an
// animation between them, replacing the running one; otherwise the model shows at once
// and a running animation of the property is removed.
void propertyChanged(CALayer* layer, AnimatedProperty property, const AnimatedValue& shown,
                     const AnimatedValue& model);

CAAnimation* animationFor(const CALayer* layer, AnimatedProperty property);
// Removed animations end as not finished; their completions run at the next commit.
void removeAnimation(CALayer* layer, AnimatedProperty property);
void removeAllAnimations(CALayer* layer);
void layerGone(CALayer* layer);

// The Animation phase of the display commit: ends the animations that have run out,
// then runs the completions that are due.
void commitAnimations(double now);
// The next begin or end of an animation after `now`.
std::optional<double> nextDeadline(double now);

// Whether the Animation phase is running; work it leaves behind (a removed animation, a
// view flagged for layout) asks for another commit.
bool committingAnimations();
void requestCommit();

// Registers the Animation phase and the deadline source with the main run loop.
void installAnimationEngine();

}  // namespace quartz
