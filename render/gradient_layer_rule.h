#pragma once
// CAGradientLayer: an axial gradient through its bounds. The start and end points are in
// the unit space of the bounds; the gradient runs along the line between them and is
// constant across it, so points that share a y give a horizontal gradient whatever that
// y is.
#include "render/paint_rules.h"

namespace lv::render {

PaintRule gradientLayerRule();

}  // namespace lv::render
