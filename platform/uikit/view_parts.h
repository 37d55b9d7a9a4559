#pragma once
// UIView's implementation is split by concern, a source each; this is what the parts share.
#include "uikit/trait_collection.h"
#include "uikit/view.h"
#include "uikit/view_animation.h"
#include "uikit/view_geometry.h"
#include "uikit/view_hierarchy.h"
#include "uikit/view_layout.h"

namespace uikit::detail {

inline UIView* asView(id obj) { return static_cast<UIView*>(obj); }

}  // namespace uikit::detail
