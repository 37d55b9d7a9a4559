#pragma once
// Looks the screen draws whole for views that draw nothing of their own: a dusk gradient,
// the glyphs of transport and routing buttons, a status bar's signal and battery, and a
// torch or camera glyph. They name no class; whoever knows the views adds them to the
// paint rules, with what each view's state shows.
#include "render/paint_rules.h"

namespace lv::render {

// A yes-or-no the look reads from the view it paints.
using ViewState = std::function<bool(id view)>;

PaintRule wallpaperRule();
// Back, pause and forward over a view's three subviews; play instead of pause when
// `paused` says so.
PaintRule transportGlyphsRule(ViewState paused);
PaintRule routingGlyphRule();
PaintRule statusIndicatorsRule();
// A torch, or a camera when `camera` says so.
PaintRule quickActionGlyphRule(ViewState camera);

}  // namespace lv::render
