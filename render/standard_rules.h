#pragma once
// The painting rules for the platform's own classes, and the host's backdrop blur.
#include "render/paint_rules.h"

namespace render {

class ImageCache;
class BlurCache;

PaintRule imageViewRule(ImageCache& images);
PaintRule labelRule();
PaintRule gradientLayerRule();
PaintRule backdropRule(BlurCache& blurs);

// Installs the rules above under their classes' names.
void addStandardRules(PaintRules& rules, ImageCache& images, BlurCache& blurs);

}  // namespace render
