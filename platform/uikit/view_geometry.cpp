#include "uikit/view_geometry.h"

#include "uikit/view_parts.h"

namespace uikit::detail {

namespace {

CGRect UIView_frame(id self, SEL) {
  const CALayer* l = asView(self)->layer.get();
  return quartz::frameOf(l->bounds, l->position, l->anchorPoint, l->transform);
}

void UIView_setFrame(id self, SEL, CGRect frame) {
  UIView* v = asView(self);
  CALayer* l = v->layer.get();
  CGSize oldSize = l->bounds.size;
  quartz::Placement p = quartz::placementForFrame(frame, oldSize, l->anchorPoint, l->transform);
  quartz::setPosition(l, p.position);
  quartz::setBoundsSize(l, p.size);
  if (!(p.size == oldSize)) boundsSizeChanged(v, oldSize);
}

CGRect UIView_bounds(id self, SEL) { return asView(self)->layer->bounds; }

void UIView_setBounds(id self, SEL, CGRect bounds) {
  UIView* v = asView(self);
  CGSize oldSize = v->layer->bounds.size;
  bounds = CGRectStandardize(bounds);
  quartz::setBoundsOrigin(v->layer.get(), bounds.origin);
  quartz::setBoundsSize(v->layer.get(), bounds.size);
  if (!(bounds.size == oldSize)) boundsSizeChanged(v, oldSize);
}

CGPoint UIView_center(id self, SEL) { return asView(self)->layer->position; }

void UIView_setCenter(id self, SEL, CGPoint center) {
  quartz::setPosition(asView(self)->layer.get(), center);
}

CGAffineTransform UIView_transform(id self, SEL) { return asView(self)->layer->transform; }

void UIView_setTransform(id self, SEL, CGAffineTransform t) {
  quartz::setTransform(asView(self)->layer.get(), t);
}

// One axis of an autoresizing mask: the change of the superview's length is shared by the
// flexible parts (leading margin, length, trailing margin) in proportion to their sizes,
// or evenly when those are all zero.
void resizeAxis(CGFloat& origin, CGFloat& length, CGFloat oldSuper, CGFloat newSuper,
                NSUInteger mask, NSUInteger leading, NSUInteger flexible, NSUInteger trailing) {
  CGFloat parts[3] = {origin, length, oldSuper - origin - length};
  bool flex[3] = {(mask & leading) != 0, (mask & flexible) != 0, (mask & trailing) != 0};
  CGFloat total = 0;
  int count = 0;
  for (int i = 0; i < 3; ++i)
    if (flex[i]) total += parts[i], ++count;
  if (count == 0) return;
  CGFloat delta = newSuper - oldSuper;
  for (int i = 0; i < 3; ++i)
    if (flex[i]) parts[i] += total > 0 ? delta * parts[i] / total : delta / count;
  origin = parts[0];
  length = parts[1];
}

void autoresize(UIView* sub, CGSize oldSize, CGSize newSize) {
  NSUInteger mask = sub->autoresizingMask;
  if (mask == UIViewAutoresizingNone || !sub->translatesAutoresizingMaskIntoConstraints) return;
  CGRect frame = send<CGRect>(sub, "frame"_sel);
  CGRect resized = frame;
  resizeAxis(resized.origin.x, resized.size.width, oldSize.width, newSize.width, mask,
             UIViewAutoresizingFlexibleLeftMargin, UIViewAutoresizingFlexibleWidth,
             UIViewAutoresizingFlexibleRightMargin);
  resizeAxis(resized.origin.y, resized.size.height, oldSize.height, newSize.height, mask,
             UIViewAutoresizingFlexibleTopMargin, UIViewAutoresizingFlexibleHeight,
             UIViewAutoresizingFlexibleBottomMargin);
  if (!(resized == frame)) send<void>(sub, "setFrame:"_sel, resized);
}

// Converts between the bounds coordinates of two views through their common space: the
// superlayer space of each tree's root (the screen, for windows).
CGPoint toRootSpace(UIView* v, CGPoint p) {
  for (; v; v = v->superview) p = quartz::pointToSuperlayer(v->layer.get(), p);
  return p;
}

CGPoint fromRootSpace(UIView* v, CGPoint p) {
  if (!v) return p;
  return quartz::pointFromSuperlayer(v->layer.get(), fromRootSpace(v->superview, p));
}

UIView* rootOf(UIView* v) {
  while (v->superview) v = v->superview;
  return v;
}

// nil stands for the receiver's window, or its root view when it has none.
UIView* resolveOther(UIView* self, id other) {
  if (other) return asView(other);
  if (UIWindow* w = windowOf(self)) return w;
  return rootOf(self);
}

CGPoint convertPoint(UIView* from, UIView* to, CGPoint p) {
  return fromRootSpace(to, toRootSpace(from, p));
}

CGRect convertRect(UIView* from, UIView* to, CGRect r) {
  r = CGRectStandardize(r);
  CGPoint corners[4] = {r.origin,
                        {r.origin.x + r.size.width, r.origin.y},
                        {r.origin.x, r.origin.y + r.size.height},
                        {r.origin.x + r.size.width, r.origin.y + r.size.height}};
  CGPoint first = convertPoint(from, to, corners[0]);
  CGFloat minX = first.x, maxX = first.x, minY = first.y, maxY = first.y;
  for (int i = 1; i < 4; ++i) {
    CGPoint q = convertPoint(from, to, corners[i]);
    minX = std::min(minX, q.x), maxX = std::max(maxX, q.x);
    minY = std::min(minY, q.y), maxY = std::max(maxY, q.y);
  }
  return {{minX, minY}, {maxX - minX, maxY - minY}};
}

CGPoint UIView_convertPointToView(id self, SEL, CGPoint p, id view) {
  return convertPoint(asView(self), resolveOther(asView(self), view), p);
}
CGPoint UIView_convertPointFromView(id self, SEL, CGPoint p, id view) {
  return convertPoint(resolveOther(asView(self), view), asView(self), p);
}
CGRect UIView_convertRectToView(id self, SEL, CGRect r, id view) {
  return convertRect(asView(self), resolveOther(asView(self), view), r);
}
CGRect UIView_convertRectFromView(id self, SEL, CGRect r, id view) {
  return convertRect(resolveOther(asView(self), view), asView(self), r);
}

}  // namespace

void boundsSizeChanged(UIView* view, CGSize oldSize) {
  if (view->autoresizesSubviews && !view->subviews.empty()) {
    CGSize newSize = view->layer->bounds.size;
    std::vector<Ref<UIView>> subviews(view->subviews.begin(), view->subviews.end());
    for (const Ref<UIView>& sub : subviews) autoresize(sub.get(), oldSize, newSize);
  }
  send<void>(view, "setNeedsLayout"_sel);
}

void addGeometryMethods(Class v) {
  using rt::addMethod;
  addMethod(v, "frame"_sel, UIView_frame);
  addMethod(v, "setFrame:"_sel, UIView_setFrame);
  addMethod(v, "bounds"_sel, UIView_bounds);
  addMethod(v, "setBounds:"_sel, UIView_setBounds);
  addMethod(v, "center"_sel, UIView_center);
  addMethod(v, "setCenter:"_sel, UIView_setCenter);
  addMethod(v, "transform"_sel, UIView_transform);
  addMethod(v, "setTransform:"_sel, UIView_setTransform);
  addMethod(v, "convertPoint:toView:"_sel, UIView_convertPointToView);
  addMethod(v, "convertPoint:fromView:"_sel, UIView_convertPointFromView);
  addMethod(v, "convertRect:toView:"_sel, UIView_convertRectToView);
  addMethod(v, "convertRect:fromView:"_sel, UIView_convertRectFromView);
}

}  // namespace uikit::detail
