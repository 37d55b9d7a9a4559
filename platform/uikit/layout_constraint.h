#pragma once
// Layout anchors and equality constraints between views. A constraint does not own its
// views (as on the device, the views own their constraints): when a view goes, the
// constraints naming it are deactivated and forget it. Active constraints are held by
// the layout engine until deactivated. Main thread only.
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/runtime.h"
#include "uikit/layout_solver.h"

struct NSLayoutAnchor : objc_object {
  id item = nil;  // unowned; cleared when the view goes
  uikit::LayoutAttribute attribute = uikit::LayoutAttribute::NotAnAttribute;
};

struct NSLayoutConstraint : objc_object {
  id firstItem = nil;  // unowned, like the anchors'
  id secondItem = nil;
  uikit::LayoutAttribute firstAttribute = uikit::LayoutAttribute::NotAnAttribute;
  uikit::LayoutAttribute secondAttribute = uikit::LayoutAttribute::NotAnAttribute;
  CGFloat multiplier = 1;
  CGFloat constant = 0;
  float priority = uikit::kLayoutPriorityRequired;
  bool active = false;    // held by the engine
  Ref<> twin;             // an equal active constraint that already states this relation
  uint64_t activation = 0;  // engine order, for equal priorities
  bool reported = false;    // its contradiction has been written out
  ~NSLayoutConstraint();
};

namespace uikit {

// The active constraints that name `view`, in no particular order.
std::vector<NSLayoutConstraint*> activeConstraints(id view);

// An object by class and serial, as "<UILabel #12>"; "<gone>" for nil.
std::string describeItem(id item);
// "<UILabel #12>.top == <UIView #9>.top + 315 @1000"
std::string describe(const NSLayoutConstraint& c);

// Flags the superviews of the views a constraint names for layout.
void needsLayoutFor(const NSLayoutConstraint& c);

}  // namespace uikit
