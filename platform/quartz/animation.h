#pragma once
// Animation records. A view animation block makes one record per changed layer property;
// the layer keeps it under the property's key until it ends or is removed. Records of one
// block share an AnimationGroup, which runs the block's completion once all have ended.
#include <memory>

#include "quartz/animated_value.h"
#include "quartz/timing.h"
#include "runtime/runtime.h"

namespace quartz {

struct AnimationGroup {
  uint64_t serial = 0;  // completions due together run in the order their blocks started
  int pending = 0;      // records of the group still on a layer
  bool finished = true;  // false once one record was removed before its end
  bool sealed = false;   // the block has returned; no more records join
  bool recorded = false;
  Ref<> completion;      // a copy of a void(bool) block, or nil
};

}  // namespace quartz

struct CAAnimation : objc_object {
  quartz::AnimatedProperty property = quartz::AnimatedProperty::Opacity;
  quartz::AnimatedValue from, to;
  double beginTime = 0;  // virtual time the motion starts, after the delay
  double duration = 0;
  quartz::TimingCurve timing;
  NSUInteger options = 0;  // the view animation option bits it was made with
  std::shared_ptr<quartz::AnimationGroup> group;

  double endTime() const { return beginTime + duration; }
  // Before its begin time the animation shows `from`, as UIKit fills delayed animations
  // backwards; from its end on it shows `to`.
  quartz::AnimatedValue valueAt(double now) const;
};

namespace quartz {
// A new record, owned by the caller (+1).
CAAnimation* makeAnimation(bool spring);
}  // namespace quartz
