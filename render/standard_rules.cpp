#include "render/standard_rules.h"

#include "render/backdrop_rule.h"
#include "render/gradient_layer_rule.h"
#include "render/image_view_rule.h"
#include "render/label_rule.h"

void lv::render::addStandardRules(PaintRules& rules, ImageCache& images, BlurCache& blurs) {
  rules.add("UIImageView", imageViewRule(images));
  rules.add("UILabel", labelRule());
  rules.add("CAGradientLayer", gradientLayerRule());
  rules.add("_UIBackdropView", backdropRule(blurs));
}
