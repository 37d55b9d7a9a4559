#pragma once
// UIView's geometry: frame, bounds, centre and transform kept on its layer, and the
// autoresizing of subviews when the bounds size changes.
#include "uikit/view.h"

namespace uikit::detail {

void addGeometryMethods(Class view);

// Autoresizes the subviews for the old bounds size and flags the view for layout.
void boundsSizeChanged(UIView* view, CGSize oldSize);

}  // namespace uikit::detail
