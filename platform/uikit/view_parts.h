#pragma once
// UIView's implementation is split by concern; these are the pieces the parts share.
#include "uikit/view.h"

namespace uikit::detail {

inline UIView* asView(id obj) { return static_cast<UIView*>(obj); }

void addGeometryMethods(Class view);
void addHierarchyMethods(Class view);
void addLayoutMethods(Class view);
void addTraitMethods(Class view);
void addAnimationMethods(Class view);

// Autoresizes the subviews for the old bounds size and flags the view for layout.
void boundsSizeChanged(UIView* view, CGSize oldSize);

// Carries the view's pending layout flags into the tree it now belongs to.
void layoutFlagsMoved(UIView* view);
// Drops a view that is going away from the pending layout roots.
void forgetLayoutRoot(UIView* view);

// Sends traitCollectionDidChange: through the subtree of `view` to the views that inherit
// their size class, when it differs from `previous`.
void traitsMoved(UIView* view, NSInteger previous);

}  // namespace uikit::detail
