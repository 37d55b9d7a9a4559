#include "quartz/animation_engine.h"

#include <algorithm>

#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "quartz/layer.h"
#include "quartz/transaction.h"

namespace quartz {

namespace {

struct Engine {
  std::vector<CALayer*> animating;  // weak: a layer leaves the list when it goes
  std::vector<std::shared_ptr<AnimationGroup>> ready;
  std::vector<std::shared_ptr<AnimationGroup>> running;
  std::vector<ActionScope> scopes;
  uint64_t nextSerial = 1;
  bool committing = false;
  bool commitRequested = false;
};

Engine& engine() {
  static auto* e = new Engine;
  return *e;
}

// A group that ends outside the Animation phase (removed, or its layer gone) asks for a
// commit, which runs its completion even when nothing else is pending.
void ended(CAAnimation* animation, bool finished) {
  AnimationGroup& group = *animation->group;
  if (!finished) group.finished = false;
  if (--group.pending != 0 || !group.sealed) return;
  engine().ready.push_back(animation->group);
  if (!engine().committing) requestCommit();
}

void forgetLayer(CALayer* layer) {
  auto& list = engine().animating;
  list.erase(std::remove(list.begin(), list.end(), layer), list.end());
}

void addAnimation(CALayer* layer, Ref<CAAnimation> animation) {
  if (layer->animations.empty()) engine().animating.push_back(layer);
  layer->animations.push_back(std::move(animation));
}

// Takes the record out of the layer; it ends as removed, or silently when a later change
// of the same block replaces it.
void takeOut(CALayer* layer, size_t index, const AnimationGroup* replacingGroup) {
  Ref<CAAnimation> animation = std::move(layer->animations[index]);
  layer->animations.erase(layer->animations.begin() + index);
  if (layer->animations.empty()) forgetLayer(layer);
  if (animation->group.get() == replacingGroup) --animation->group->pending;
  else ended(animation.get(), false);
}

size_t indexOf(const CALayer* layer, AnimatedProperty property) {
  const auto& list = layer->animations;
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i]->property == property) return i;
  return list.size();
}

void runCompletions() {
  Engine& e = engine();
  std::swap(e.ready, e.running);
  std::sort(e.running.begin(), e.running.end(),
            [](const auto& a, const auto& b) { return a->serial < b->serial; });
  for (const auto& group : e.running) fnd::callCompletion(group->completion.get(), group->finished);
  // Releasing the groups releases their blocks, and with them what the blocks held.
  e.running.clear();
}

}  // namespace

void pushActionScope(ActionScope scope) { engine().scopes.push_back(std::move(scope)); }
void popActionScope() { engine().scopes.pop_back(); }

const ActionScope* currentActionScope() {
  const auto& scopes = engine().scopes;
  return scopes.empty() ? nullptr : &scopes.back();
}

std::shared_ptr<AnimationGroup> makeGroup(id completion) {
  auto group = std::make_shared<AnimationGroup>();
  group->serial = engine().nextSerial++;
  group->completion = fnd::keepBlock(completion);
  return group;
}

void sealGroup(const std::shared_ptr<AnimationGroup>& group) {
  group->sealed = true;
  if (group->recorded && group->pending == 0) engine().ready.push_back(group);
}

void propertyChanged(CALayer* layer, AnimatedProperty property, const AnimatedValue& shown,
                     const AnimatedValue& model) {
  const ActionScope* scope = currentActionScope();
  bool animate = scope && scope->duration > 0 && layer->delegate && !actionsDisabled();
  size_t running = indexOf(layer, property);
  if (running < layer->animations.size())
    takeOut(layer, running, animate ? scope->group.get() : nullptr);
  if (!animate) return;
  bool spring = scope->timing.kind == TimingCurve::Kind::Spring;
  auto animation = Ref<CAAnimation>::adopt(makeAnimation(spring));
  animation->property = property;
  animation->from = shown;
  animation->to = model;
  animation->beginTime = fnd::RunLoop::main().now() + scope->delay;
  animation->duration = scope->duration;
  animation->timing = scope->timing;
  animation->options = scope->options;
  animation->group = scope->group;
  ++scope->group->pending;
  scope->group->recorded = true;
  addAnimation(layer, std::move(animation));
}

CAAnimation* animationFor(const CALayer* layer, AnimatedProperty property) {
  size_t i = indexOf(layer, property);
  return i < layer->animations.size() ? layer->animations[i].get() : nullptr;
}

void removeAnimation(CALayer* layer, AnimatedProperty property) {
  size_t i = indexOf(layer, property);
  if (i < layer->animations.size()) takeOut(layer, i, nullptr);
}

void removeAllAnimations(CALayer* layer) {
  while (!layer->animations.empty()) takeOut(layer, layer->animations.size() - 1, nullptr);
}

void layerGone(CALayer* layer) {
  for (const Ref<CAAnimation>& animation : layer->animations) ended(animation.get(), false);
  if (!layer->animations.empty()) forgetLayer(layer);
}

void commitAnimations(double now) {
  Engine& e = engine();
  e.committing = true;
  endImplicitTransaction();
  for (size_t i = 0; i < e.animating.size();) {
    CALayer* layer = e.animating[i];
    auto& list = layer->animations;
    for (size_t j = 0; j < list.size();) {
      if (list[j]->endTime() <= now) {
        ended(list[j].get(), true);
        list.erase(list.begin() + j);
      } else {
        ++j;
      }
    }
    if (list.empty()) e.animating.erase(e.animating.begin() + i);
    else ++i;
  }
  runCompletions();
  e.committing = false;
  if (!e.ready.empty()) requestCommit();
}

std::optional<double> nextDeadline(double now) {
  std::optional<double> next;
  for (const CALayer* layer : engine().animating)
    for (const Ref<CAAnimation>& a : layer->animations) {
      double at = now < a->beginTime ? a->beginTime : a->endTime();
      if (std::isfinite(at) && (!next || at < *next)) next = at;
    }
  return next;
}

bool committingAnimations() { return engine().committing; }

// Another turn at the same moment: a queued block makes the run loop turn again.
void requestCommit() {
  Engine& e = engine();
  if (e.commitRequested) return;
  e.commitRequested = true;
  fnd::RunLoop::main().dispatchAsync([] { engine().commitRequested = false; });
}

void installAnimationEngine() {
  fnd::RunLoop& loop = fnd::RunLoop::main();
  loop.setCommitHandler(fnd::RunLoop::CommitPhase::Animation, commitAnimations);
  loop.setDeadlineSource([] { return nextDeadline(fnd::RunLoop::main().now()); });
}

}  // namespace quartz
