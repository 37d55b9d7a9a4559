#pragma once
// The painting rules for the platform's own classes, and the host's backdrop blur.
#include "render/paint_rules.h"

namespace lv::render {

class ImageCache;
class BlurCache;

// Installs the rules of UIImageView, UILabel, CAGradientLayer and the backdrop view under
// their classes' names.
void addStandardRules(PaintRules& rules, ImageCache& images, BlurCache& blurs);

}  // namespace lv::render
