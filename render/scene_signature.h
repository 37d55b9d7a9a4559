#pragma once
// A hash of everything a picture of a view tree would show at the run loop's current
// moment (presentation values, visibility, looks, each class's content): equal hashes mean
// equal pictures, so a live view redraws only when the hash changes. Far cheaper than
// painting. Main thread only.
#include <cstdint>

#include "render/paint_rules.h"
#include "uikit/view.h"

namespace lv::render {

uint64_t sceneSignature(UIView* root, const PaintRules& rules);

}  // namespace lv::render
