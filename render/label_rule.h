#pragma once
// UILabel: its text set with Pango in the label's font (Inter, as text is measured),
// centred vertically in the bounds, aligned horizontally, with its shadow. A single line
// wider than the label ends in an ellipsis; more lines wrap within its width.
#include "render/paint_rules.h"

namespace lv::render {

PaintRule labelRule();

}  // namespace lv::render
