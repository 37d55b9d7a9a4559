#pragma once
// UITraitCollection: the traits a view reports. Only the vertical size class is kept.
#include "runtime/runtime.h"

struct UITraitCollection : objc_object {
  NSInteger verticalSizeClass = 0;
};

struct UIView;

namespace uikit {
// An autoreleased trait collection (+0).
id traitCollection(NSInteger verticalSizeClass);
}  // namespace uikit

namespace uikit::detail {

void addTraitMethods(Class view);

// Sends traitCollectionDidChange: through the subtree of `view` to the views that inherit
// their size class, when it differs from `previous`.
void traitsMoved(UIView* view, NSInteger previous);

}  // namespace uikit::detail
