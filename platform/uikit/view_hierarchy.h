#pragma once
// UIView's hierarchy: adding, removing and ordering subviews, and the messages a view gets
// as it moves between superviews and windows.
#include "uikit/view.h"

namespace uikit::detail {

void addHierarchyMethods(Class view);

}  // namespace uikit::detail
