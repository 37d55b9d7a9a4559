#include "render/standard_rules.h"

namespace render {

void addStandardRules(PaintRules& rules, ImageCache& images, BlurCache& blurs) {
  rules.add("UIImageView", imageViewRule(images));
  rules.add("UILabel", labelRule());
  rules.add("CAGradientLayer", gradientLayerRule());
  rules.add("_UIBackdropView", backdropRule(blurs));
}

}  // namespace render
