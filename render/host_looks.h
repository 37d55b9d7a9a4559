#pragma once
// The looks of the host's own views, which the host leaves to the screen to draw: the
// wallpaper's gradient, the glyphs of the transport and routing buttons, the status bar's
// signal and battery and the quick-action buttons' torch and camera. Keyed by the host's
// class names, so the renderer needs nothing from the host itself.
#include "render/paint_rules.h"

namespace lv::render {

PaintRule wallpaperRule();
PaintRule transportGlyphsRule();
PaintRule routingGlyphRule();
PaintRule statusIndicatorsRule();
PaintRule quickActionGlyphRule();

// Installs the rules above under the host's class names.
void addHostLooks(PaintRules& rules);

}  // namespace lv::render
