#include "time/label_heights.h"

#include "startup/view_messages.h"

namespace lv::timecontrols {

namespace {

// The label holds its height constraint; the constraint does not hold the label.
constinit char kHeightConstraintKey = 0;

id makeEqualHeight(id label, id hostLabel) {
  id constraint = send<id>(send<id>(label, "heightAnchor"_sel), "constraintEqualToAnchor:"_sel,
                           send<id>(hostLabel, "heightAnchor"_sel));
  objc_setAssociatedObject(label, &kHeightConstraintKey, constraint, OBJC_ASSOCIATION_RETAIN_NONATOMIC);
  return constraint;
}

}  // namespace

}  // namespace lv::timecontrols

void lv::timecontrols::activateEqualHeight(id label, id hostLabel) {
  if (!label || !hostLabel) return;
  id constraint = objc_getAssociatedObject(label, &kHeightConstraintKey);
  if (send<id>(constraint, "secondItem"_sel) != hostLabel) {
    send<void>(constraint, "setActive:"_sel, false);
    constraint = makeEqualHeight(label, hostLabel);
  }
  activate(constraint);
}

void lv::timecontrols::matchLabelHeights(id timeControls) {
  activateEqualHeight(send<id>(timeControls, "leftTime"_sel), send<id>(timeControls, "elapsedTimeLabel"_sel));
  activateEqualHeight(send<id>(timeControls, "rightTime"_sel), send<id>(timeControls, "remainingTimeLabel"_sel));
}
