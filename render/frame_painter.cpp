#include "render/frame_painter.h"

#include <algorithm>

#include "quartz/layer.h"
#include "render/hasher.h"
#include "render/layer_looks.h"
#include "uikit/color.h"

namespace lv::render {

namespace {

bool intersects(PixelRect a, PixelRect b) { return !intersection(a, b).empty(); }

bool hasBackground(const CALayer* layer) {
  return layer->backgroundColor && uikit::rgba(layer->backgroundColor.get()).a > 0;
}

}  // namespace

}  // namespace lv::render

lv::render::FramePainter::FramePainter(cairo_surface_t* target, double scale, const PaintRules& rules)
    : target_(target), cr_(cairo_create(target)), scale_(scale), rules_(rules) {}

lv::render::FramePainter::FramePainter(cairo_t* cr, double scale, const PaintRules& rules, id stop,
                                       std::optional<DrawnOpacity> change)
    : target_(cairo_get_target(cr)),
      cr_(cairo_reference(cr)),
      scale_(scale),
      rules_(rules),
      stop_(stop),
      change_(change) {}

lv::render::FramePainter::~FramePainter() { cairo_destroy(cr_); }

void lv::render::FramePainter::paintRoot(UIView* root) {
  root_ = root;
  CGRect frame = quartz::presentationFrame(root->layer.get());
  cairo_save(cr_);
  cairo_scale(cr_, scale_, scale_);
  cairo_translate(cr_, -frame.origin.x, -frame.origin.y);
  paintNode(root->layer.get(), root, root);
  cairo_restore(cr_);
  cairo_surface_flush(target_);
}

// User space becomes the layer's bounds coordinates: `position` is where the anchor
// point of the bounds sits in the parent, and the transform turns about it.
void lv::render::FramePainter::paintNode(CALayer* layer, id object, UIView* view) {
  if (stopped_ || layer->hidden) return;
  if (object == stop_) {
    stopped_ = true;
    return;
  }
  float opacity = opacityOf(layer, object);
  if (!(opacity > 0)) return;
  CGAffineTransform transform = quartz::presentationTransform(layer);
  if (!invertible(transform)) return;
  CGRect bounds = quartz::presentationBounds(layer);
  CGPoint position = quartz::presentationPosition(layer);

  cairo_save(cr_);
  cairo_translate(cr_, position.x, position.y);
  cairo_matrix_t m = toCairo(transform);
  cairo_transform(cr_, &m);
  cairo_translate(cr_, -bounds.origin.x - layer->anchorPoint.x * bounds.size.width,
                  -bounds.origin.y - layer->anchorPoint.y * bounds.size.height);

  const PaintRule* rule = rules_.find(object->isa);
  record(layer, object, bounds, rule, opacity);
  open_.push_back(object);
  if (layer->masksToBounds) {
    roundedRectPath(cr_, bounds, layer->cornerRadius, layer->maskedCorners);
    cairo_clip(cr_);
  }
  CALayer* mask = maskLayerOf(layer);
  // A translucent layer that draws one thing needs no group of its own: its background
  // alone, or the content of a rule that draws with the opacity.
  bool childless = layer->sublayers.empty() && (!view || view->subviews.empty());
  bool single = childless && (!rule || (rule->drawsOpacity && !hasBackground(layer)));
  bool grouped = mask || (opacity < 1 && !single);
  if (grouped) {
    cairo_push_group(cr_);
    groups_.push_back(cairo_get_group_target(cr_));
  }

  paintBackground(layer, bounds, grouped ? 1 : opacity);
  PaintContext context{cr_, object, layer, bounds, scale_, *this, grouped ? 1 : opacity};
  if (rule && rule->paint) rule->paint(context);
  for (const Ref<CALayer>& sub : layer->sublayers) paintNode(sub.get(), sub.get(), nullptr);
  if (view)
    for (const Ref<UIView>& sub : view->subviews) paintNode(sub->layer.get(), sub.get(), sub.get());
  if (rule && rule->paintOver && !stopped_) rule->paintOver(context);

  if (grouped) stopped_ ? finishGroup(1, nullptr) : finishGroup(opacity, mask);
  open_.pop_back();
  cairo_restore(cr_);
}

float lv::render::FramePainter::opacityOf(CALayer* layer, id object) const {
  return change_ && change_->object == object ? change_->opacity : quartz::presentationOpacity(layer);
}

void lv::render::FramePainter::paintBackground(const CALayer* layer, CGRect bounds, float opacity) {
  if (!layer->backgroundColor) return;
  uikit::RGBA c = uikit::rgba(layer->backgroundColor.get());
  if (!(c.a > 0)) return;
  cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a * opacity);
  roundedRectPath(cr_, bounds, layer->cornerRadius, layer->maskedCorners);
  cairo_fill(cr_);
}

// The group holds the object's content; it is composited with the mask's coverage (the
// mask layer is drawn in the object's bounds coordinates) and the object's opacity.
void lv::render::FramePainter::finishGroup(float opacity, CALayer* mask) {
  cairo_pattern_t* content = cairo_pop_group(cr_);
  groups_.pop_back();
  if (!mask) {
    cairo_set_source(cr_, content);
    cairo_paint_with_alpha(cr_, opacity);
    cairo_pattern_destroy(content);
    return;
  }
  cairo_push_group(cr_);
  paintNode(mask, mask, nullptr);
  cairo_pattern_t* coverage = cairo_pop_group(cr_);
  if (opacity < 1) cairo_push_group(cr_);
  cairo_set_source(cr_, content);
  cairo_mask(cr_, coverage);
  if (opacity < 1) {
    cairo_pop_group_to_source(cr_);
    cairo_paint_with_alpha(cr_, opacity);
  }
  cairo_pattern_destroy(coverage);
  cairo_pattern_destroy(content);
}

void lv::render::FramePainter::record(CALayer* layer, id object, CGRect bounds, const PaintRule* rule,
                                  float opacity) {
  Hasher h;
  cairo_matrix_t m;
  cairo_get_matrix(cr_, &m);
  for (double v : {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0}) h.add(v);
  addLayerLooks(h, layer, object, bounds, rule);
  drawn_.push_back({object, deviceBounds(cr_, bounds), h.value(), opacity});
}

bool lv::render::FramePainter::isOpen(id object) const {
  return std::find(open_.begin(), open_.end(), object) != open_.end();
}

// An open ancestor's opacity and mask apply to everything it holds, the object being
// painted included, so they do not change what lies beneath that object.
uint64_t lv::render::FramePainter::signature(PixelRect area, id apart) const {
  Hasher h;
  h.add(uint64_t(extent().width)).add(uint64_t(extent().height));
  for (const Drawn& d : drawn_) {
    if (!intersects(d.box, area)) continue;
    h.add(d.key);
    if (d.object == apart) h.add(uint64_t(0xa9a7));
    else if (!isOpen(d.object)) h.add(double(d.opacity));
  }
  return h.value();
}

std::vector<lv::render::DrawnOpacity> lv::render::FramePainter::translucent(PixelRect area) const {
  std::vector<DrawnOpacity> found;
  for (const Drawn& d : drawn_)
    if (d.opacity < 1 && intersects(d.box, area) && !isOpen(d.object)) found.push_back({d.object, d.opacity});
  return found;
}

void lv::render::FramePainter::paint(cairo_t* cr, double shrink, std::optional<DrawnOpacity> change) const {
  if (!root_ || open_.empty()) return;
  FramePainter again(cr, scale_ / shrink, rules_, open_.back(), change);
  again.paintRoot(root_);
}

lv::render::PixelRect lv::render::FramePainter::extent() const {
  return {0, 0, cairo_image_surface_get_width(target_), cairo_image_surface_get_height(target_)};
}
