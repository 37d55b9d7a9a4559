#pragma once
// UIView's layout flags and passes: setNeedsLayout, layoutIfNeeded and the pending roots
// that runLayoutPass lays out.
#include "uikit/view.h"

namespace uikit::detail {

void addLayoutMethods(Class view);

// Carries the view's pending layout flags into the tree it now belongs to.
void layoutFlagsMoved(UIView* view);
// Drops a view that is going away from the pending layout roots.
void forgetLayoutRoot(UIView* view);

}  // namespace uikit::detail
