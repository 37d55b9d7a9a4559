#include "render/scene_signature.h"

#include "quartz/layer.h"
#include "render/layer_looks.h"

namespace lv::render {

namespace {

void addNode(Hasher& h, CALayer* layer, id object, UIView* view, const PaintRules& rules) {
  if (layer->hidden) return;
  float opacity = quartz::presentationOpacity(layer);
  if (!(opacity > 0)) return;
  CGAffineTransform t = quartz::presentationTransform(layer);
  CGPoint position = quartz::presentationPosition(layer);
  for (double v : {double(opacity), t.a, t.b, t.c, t.d, t.tx, t.ty, position.x, position.y, layer->anchorPoint.x,
                   layer->anchorPoint.y})
    h.add(v);
  addLayerLooks(h, layer, object, quartz::presentationBounds(layer), rules.find(object->isa));
  if (CALayer* mask = maskLayerOf(layer)) addNode(h, mask, mask, nullptr, rules);
  for (const Ref<CALayer>& sub : layer->sublayers) addNode(h, sub.get(), sub.get(), nullptr, rules);
  if (view)
    for (const Ref<UIView>& sub : view->subviews) addNode(h, sub->layer.get(), sub.get(), sub.get(), rules);
  h.add(uint64_t(0x5ce7e));  // closes the node, so that nesting counts
}

}  // namespace

}  // namespace lv::render

uint64_t lv::render::sceneSignature(UIView* root, const PaintRules& rules) {
  Hasher h;
  addNode(h, root->layer.get(), root, root, rules);
  return h.value();
}
