#pragma once
// Finding views in a window the way a user sees them.
#include "quartz/geometry.h"
#include "runtime/runtime.h"

namespace lv::host {

// The first view of class `cls` (or a subclass) under `root`, `root` included, in
// depth-first order from back to front; nil when there is none. With `visibleOnly`,
// hidden and transparent (alpha below 0.01) views are skipped with everything under
// them, and empty views and views whose centre lies outside their window are not taken.
id firstViewOfClass(id root, Class cls, bool visibleOnly);

// The point at fractions (fx, fy) of `view`'s bounds, in its window's coordinates.
CGPoint pointInWindow(id view, double fx, double fy);

}  // namespace lv::host
