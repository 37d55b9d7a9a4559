#pragma once
// The host's backdrop view: what lies beneath it, blurred and darkened, within its
// bounds (rounded as its layer is).
#include "render/paint_rules.h"

namespace lv::render {

class BlurCache;

PaintRule backdropRule(BlurCache& blurs);

}  // namespace lv::render
