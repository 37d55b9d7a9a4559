#pragma once
// Finding views in a window the way a user sees them.
#include <string>

#include "quartz/geometry.h"
#include "runtime/runtime.h"

namespace lv::host {

// The first view of class `cls` (or a subclass) under `root`, `root` included, in
// depth-first order from back to front; nil when there is none. With `visibleOnly`,
// hidden and transparent (alpha below 0.01) views are skipped with everything under
// them, and empty views and views whose centre lies outside their window are not taken.
id firstViewOfClass(id root, Class cls, bool visibleOnly);

// The frontmost, deepest view under `point` (in `root`'s coordinates) that a user sees
// there: hidden and transparent views are passed over with everything under them, as are
// the views of one that masks to its bounds when the point lies outside it; empty views
// are not taken. Whether a view takes touches does not matter. Nil when none is there.
id viewAtPoint(id root, CGPoint point);

// A view's place under its topmost superview (the window): "0" for that one, "0/2" for
// its third subview, "0/2/0" for that one's first, and so on.
std::string viewPath(id view);

// The point at fractions (fx, fy) of `view`'s bounds, in its window's coordinates.
CGPoint pointInWindow(id view, double fx, double fy);

}  // namespace lv::host
