#include "quartz/layer.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <type_traits>

#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "quartz/animation_engine.h"
#include "runtime/accessors.h"
#include "runtime/class_setup.h"

CALayer::~CALayer() {
  quartz::layerGone(this);
  for (const Ref<CALayer>& sub : sublayers) sub->superlayer = nullptr;
}

namespace quartz {

namespace {

Class g_layerClass = nullptr;

CALayer* asLayer(id obj) { return static_cast<CALayer*>(obj); }

CGRect anchoredRect(CGSize size, CGPoint anchor) {
  return {{-anchor.x * size.width, -anchor.y * size.height}, size};
}

id CALayer_layer(id cls, SEL) {
  return rt::autorelease(send<id>(cls, "new"_sel));
}

double now() { return fnd::RunLoop::main().now(); }

// Geometry that is not a number is refused, as QuartzCore refuses it.
void requireNumbers(const char* what, double x, double y) {
  if (std::isnan(x) || std::isnan(y))
    rt::fatal(std::string("CALayer ") + what + " contains NaN: [" + std::to_string(x) + " " +
              std::to_string(y) + "]");
}

template <class V>
V shown(const CALayer* layer, AnimatedProperty property, V model) {
  if (layer->animations.empty()) return model;
  const CAAnimation* a = animationFor(layer, property);
  if (!a) return model;
  AnimatedValue v = a->valueAt(now());
  if constexpr (std::is_same_v<V, CGPoint>) return asPoint(v);
  else if constexpr (std::is_same_v<V, CGSize>) return asSize(v);
  else if constexpr (std::is_same_v<V, CGAffineTransform>) return asTransform(v);
  else return static_cast<V>(asScalar(v));
}

template <class V>
void change(CALayer* layer, AnimatedProperty property, V& field, V value) {
  if (field == value) return;
  AnimatedValue before = pack(shown(layer, property, field));
  field = value;
  propertyChanged(layer, property, before, pack(value));
}

void CALayer_setPosition(id self, SEL, CGPoint p) { setPosition(asLayer(self), p); }
void CALayer_setAffineTransform(id self, SEL, CGAffineTransform t) { setTransform(asLayer(self), t); }

void CALayer_setBounds(id self, SEL, CGRect bounds) {
  bounds = CGRectStandardize(bounds);
  setBoundsOrigin(asLayer(self), bounds.origin);
  setBoundsSize(asLayer(self), bounds.size);
}

CGRect CALayer_frame(id self, SEL) {
  CALayer* l = asLayer(self);
  return frameOf(l->bounds, l->position, l->anchorPoint, l->transform);
}

void CALayer_setFrame(id self, SEL, CGRect frame) {
  CALayer* l = asLayer(self);
  Placement p = placementForFrame(frame, l->bounds.size, l->anchorPoint, l->transform);
  setPosition(l, p.position);
  setBoundsSize(l, p.size);
}

void CALayer_setOpacity(id self, SEL, float opacity) { setOpacity(asLayer(self), opacity); }

id CALayer_animationForKey(id self, SEL, id key) {
  std::string name = fnd::utf8(key);
  for (const Ref<CAAnimation>& a : asLayer(self)->animations)
    if (name == keyOf(a->property)) return a.get();
  return nil;
}

id CALayer_animationKeys(id self, SEL) {
  const auto& list = asLayer(self)->animations;
  if (list.empty()) return nil;
  std::vector<Ref<>> keys;
  for (const Ref<CAAnimation>& a : list) keys.push_back(Ref<>::retain(fnd::string(keyOf(a->property))));
  return fnd::array(std::move(keys));
}

void CALayer_removeAnimationForKey(id self, SEL, id key) {
  if (CAAnimation* a = static_cast<CAAnimation*>(CALayer_animationForKey(self, nullptr, key)))
    removeAnimation(asLayer(self), a->property);
}

void CALayer_removeAllAnimations(id self, SEL) { removeAllAnimations(asLayer(self)); }

id CALayer_sublayers(id self, SEL) {
  const auto& subs = asLayer(self)->sublayers;
  if (subs.empty()) return nil;
  return fnd::array({subs.begin(), subs.end()});
}

void detachFromSuperlayer(CALayer* layer) {
  CALayer* super = std::exchange(layer->superlayer, nullptr);
  if (!super) return;
  auto& subs = super->sublayers;
  auto at = std::find(subs.begin(), subs.end(), layer);
  Ref<CALayer> gone = std::move(*at);
  subs.erase(at);
}

void CALayer_insertSublayerAtIndex(id self, SEL, id sublayer, unsigned index) {
  if (!sublayer) return;
  CALayer* layer = asLayer(sublayer);
  for (CALayer* a = asLayer(self); a; a = a->superlayer)
    if (a == layer) rt::fatal("-[CALayer insertSublayer:atIndex:]: a layer cannot contain itself");
  auto held = Ref<CALayer>::retain(layer);
  detachFromSuperlayer(layer);
  auto& subs = asLayer(self)->sublayers;
  subs.insert(subs.begin() + std::min<size_t>(index, subs.size()), std::move(held));
  layer->superlayer = asLayer(self);
}

void CALayer_addSublayer(id self, SEL, id sublayer) {
  CALayer_insertSublayerAtIndex(self, nullptr, sublayer,
                                static_cast<unsigned>(asLayer(self)->sublayers.size()));
}

void CALayer_removeFromSuperlayer(id self, SEL) { detachFromSuperlayer(asLayer(self)); }

id CALayer_superlayer(id self, SEL) { return asLayer(self)->superlayer; }

}  // namespace

Class layerClass() { return g_layerClass; }

void setPosition(CALayer* l, CGPoint p) {
  requireNumbers("position", p.x, p.y);
  change(l, AnimatedProperty::Position, l->position, p);
}
void setBoundsOrigin(CALayer* l, CGPoint o) {
  requireNumbers("bounds", o.x, o.y);
  change(l, AnimatedProperty::BoundsOrigin, l->bounds.origin, o);
}
void setBoundsSize(CALayer* l, CGSize s) {
  requireNumbers("bounds", s.width, s.height);
  change(l, AnimatedProperty::BoundsSize, l->bounds.size, s);
}
void setTransform(CALayer* l, CGAffineTransform t) {
  change(l, AnimatedProperty::Transform, l->transform, t);
}
void setOpacity(CALayer* l, float o) { change(l, AnimatedProperty::Opacity, l->opacity, o); }

CGPoint presentationPosition(const CALayer* l) {
  return shown(l, AnimatedProperty::Position, l->position);
}
CGRect presentationBounds(const CALayer* l) {
  return {shown(l, AnimatedProperty::BoundsOrigin, l->bounds.origin),
          shown(l, AnimatedProperty::BoundsSize, l->bounds.size)};
}
CGAffineTransform presentationTransform(const CALayer* l) {
  return shown(l, AnimatedProperty::Transform, l->transform);
}
float presentationOpacity(const CALayer* l) { return shown(l, AnimatedProperty::Opacity, l->opacity); }
CGRect presentationFrame(const CALayer* l) {
  return frameOf(presentationBounds(l), presentationPosition(l), l->anchorPoint,
                 presentationTransform(l));
}

CGRect frameOf(CGRect bounds, CGPoint position, CGPoint anchor, CGAffineTransform transform) {
  CGRect local = anchoredRect(bounds.size, anchor);
  CGRect box = CGAffineTransformIsIdentity(transform) ? local
                                                      : CGRectApplyAffineTransform(local, transform);
  return CGRectOffset(box, position.x, position.y);
}

Placement placementForFrame(CGRect frame, CGSize currentSize, CGPoint anchor,
                            CGAffineTransform transform) {
  frame = CGRectStandardize(frame);
  if (CGAffineTransformIsIdentity(transform))
    return {{frame.origin.x + anchor.x * frame.size.width,
             frame.origin.y + anchor.y * frame.size.height},
            frame.size};
  CGSize size = currentSize;
  CGFloat det = transform.a * transform.d - transform.b * transform.c;
  if (det != 0 && std::isfinite(det)) {
    CGAffineTransform inverse = CGAffineTransformInvert(transform);
    inverse.tx = inverse.ty = 0;
    size = CGRectApplyAffineTransform({{0, 0}, frame.size}, inverse).size;
  }
  // The centre of the bounds, seen from the anchor, lands on the frame's centre.
  CGPoint centreFromAnchor{(0.5 - anchor.x) * size.width, (0.5 - anchor.y) * size.height};
  CGPoint mapped = CGPointApplyAffineTransform(centreFromAnchor, transform);
  return {{CGRectGetMidX(frame) - mapped.x, CGRectGetMidY(frame) - mapped.y}, size};
}

CGPoint pointToSuperlayer(const CALayer* l, CGPoint p) {
  CGPoint fromAnchor{p.x - l->bounds.origin.x - l->anchorPoint.x * l->bounds.size.width,
                     p.y - l->bounds.origin.y - l->anchorPoint.y * l->bounds.size.height};
  CGPoint q = CGPointApplyAffineTransform(fromAnchor, l->transform);
  return {q.x + l->position.x, q.y + l->position.y};
}

CGPoint pointFromSuperlayer(const CALayer* l, CGPoint p) {
  CGPoint q = CGPointApplyAffineTransform({p.x - l->position.x, p.y - l->position.y},
                                          CGAffineTransformInvert(l->transform));
  return {q.x + l->bounds.origin.x + l->anchorPoint.x * l->bounds.size.width,
          q.y + l->bounds.origin.y + l->anchorPoint.y * l->bounds.size.height};
}

namespace {

void registerLayerClass() {
  using rt::addMethod;
  Class c = g_layerClass = rt::defineClass<CALayer>("CALayer", "NSObject");
  rt::addClassMethod(c, "layer"_sel, CALayer_layer);
  addMethod(c, "bounds"_sel, rt::fieldGetter<&CALayer::bounds>);
  addMethod(c, "setBounds:"_sel, CALayer_setBounds);
  addMethod(c, "position"_sel, rt::fieldGetter<&CALayer::position>);
  addMethod(c, "setPosition:"_sel, CALayer_setPosition);
  rt::addFieldProperty<&CALayer::anchorPoint>(c, "anchorPoint"_sel, "setAnchorPoint:"_sel);
  addMethod(c, "affineTransform"_sel, rt::fieldGetter<&CALayer::transform>);
  addMethod(c, "setAffineTransform:"_sel, CALayer_setAffineTransform);
  addMethod(c, "frame"_sel, CALayer_frame);
  addMethod(c, "setFrame:"_sel, CALayer_setFrame);
  addMethod(c, "opacity"_sel, rt::fieldGetter<&CALayer::opacity>);
  addMethod(c, "setOpacity:"_sel, CALayer_setOpacity);
  rt::addFieldProperty<&CALayer::hidden>(c, "isHidden"_sel, "setHidden:"_sel);
  rt::addFieldProperty<&CALayer::cornerRadius>(c, "cornerRadius"_sel, "setCornerRadius:"_sel);
  rt::addFieldProperty<&CALayer::maskedCorners>(c, "maskedCorners"_sel, "setMaskedCorners:"_sel);
  rt::addFieldProperty<&CALayer::masksToBounds>(c, "masksToBounds"_sel, "setMasksToBounds:"_sel);
  rt::addObjectProperty<&CALayer::mask>(c, "mask"_sel, "setMask:"_sel);
  rt::addFieldProperty<&CALayer::shouldRasterize>(c, "shouldRasterize"_sel,
                                                  "setShouldRasterize:"_sel);
  rt::addFieldProperty<&CALayer::rasterizationScale>(c, "rasterizationScale"_sel,
                                                     "setRasterizationScale:"_sel);
  rt::addObjectProperty<&CALayer::backgroundColor>(c, "backgroundColor"_sel,
                                                   "setBackgroundColor:"_sel);
  rt::addFieldProperty<&CALayer::delegate>(c, "delegate"_sel, "setDelegate:"_sel);
  addMethod(c, "sublayers"_sel, CALayer_sublayers);
  addMethod(c, "superlayer"_sel, CALayer_superlayer);
  addMethod(c, "addSublayer:"_sel, CALayer_addSublayer);
  addMethod(c, "insertSublayer:atIndex:"_sel, CALayer_insertSublayerAtIndex);
  addMethod(c, "removeFromSuperlayer"_sel, CALayer_removeFromSuperlayer);
  addMethod(c, "animationForKey:"_sel, CALayer_animationForKey);
  addMethod(c, "animationKeys"_sel, CALayer_animationKeys);
  addMethod(c, "removeAnimationForKey:"_sel, CALayer_removeAnimationForKey);
  addMethod(c, "removeAllAnimations"_sel, CALayer_removeAllAnimations);
}

LV_CLASS_SETUP(registerLayerClass);

}  // namespace

}  // namespace quartz
