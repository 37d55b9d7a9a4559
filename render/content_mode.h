#pragma once
// Where a view shows content of a given size, by UIViewContentMode.
#include "quartz/geometry.h"
#include "runtime/types.h"
#include "uikit/view.h"

namespace lv::render {

// The rectangle, in `bounds`' coordinates, that content of `size` fills. Unknown modes
// scale to fill.
CGRect contentRect(NSInteger mode, CGRect bounds, CGSize size);

}  // namespace lv::render
