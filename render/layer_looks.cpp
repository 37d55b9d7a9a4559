#include "render/layer_looks.h"

#include "uikit/color.h"

CALayer* lv::render::maskLayerOf(const CALayer* layer) {
  id mask = layer->mask.get();
  return mask && rt::isKindOfClass(mask, quartz::layerClass()) ? static_cast<CALayer*>(mask) : nullptr;
}

void lv::render::addLayerLooks(Hasher& h, const CALayer* layer, id object, CGRect bounds, const PaintRule* rule) {
  h.add(object).add(object->isa);
  for (double v : {bounds.origin.x, bounds.origin.y, bounds.size.width, bounds.size.height}) h.add(v);
  uikit::RGBA c = uikit::rgba(layer->backgroundColor.get());
  for (double v : {c.r, c.g, c.b, c.a, layer->cornerRadius}) h.add(v);
  h.add(uint64_t(layer->maskedCorners)).add(uint64_t(layer->masksToBounds)).add(uint64_t(maskLayerOf(layer) != nullptr));
  if (rule && rule->contentKey) h.add(rule->contentKey(object));
}
