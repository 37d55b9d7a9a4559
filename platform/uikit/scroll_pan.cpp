#include "uikit/scroll_pan.h"

#include "foundation/block.h"
#include "quartz/animation_engine.h"
#include "uikit/view_animation.h"

namespace uikit {

namespace {

// How hard the band pulls back, as a share of the scroll view's length.
constexpr CGFloat kBandResistance = 0.55;
constexpr double kSpringBackSeconds = 0.5;

// How far past an edge content pulled `beyond` points past it shows: less and less the
// farther it is pulled, never as much as the scroll view's `length`.
CGFloat rubberBand(CGFloat beyond, CGFloat length) {
  if (length <= 0) return 0;
  return (1 - 1 / (beyond * kBandResistance / length + 1)) * length;
}

CGFloat banded(CGFloat offset, CGFloat low, CGFloat high, CGFloat length) {
  if (offset < low) return low - rubberBand(low - offset, length);
  if (offset > high) return high + rubberBand(offset - high, length);
  return offset;
}

bool scrollsAlongX(const UIScrollView* v) { return v->contentSize.width > v->layer->bounds.size.width; }
bool scrollsAlongY(const UIScrollView* v) { return v->contentSize.height > v->layer->bounds.size.height; }

void setOffset(UIScrollView* view, CGPoint offset) { send<void>(view, "setContentOffset:"_sel, offset); }

// A running move of the content ends where it shows now.
void stopMoving(UIScrollView* view) {
  CGPoint shown = presentationContentOffset(view);
  quartz::removeAnimation(view->layer.get(), quartz::AnimatedProperty::BoundsOrigin);
  setOffset(view, shown);
}

}  // namespace

UIScrollView* pannableScrollView(id view) {
  Class scrollView = scrollViewClass();
  for (UIView* v = static_cast<UIView*>(view); v; v = v->superview) {
    if (!rt::isKindOfClass(v, scrollView)) continue;
    auto* candidate = static_cast<UIScrollView*>(v);
    if (candidate->scrollEnabled && (scrollsAlongX(candidate) || scrollsAlongY(candidate))) return candidate;
  }
  return nullptr;
}

ScrollPan::ScrollPan(UIScrollView* view, CGPoint start) : view_(Ref<UIScrollView>::retain(view)) {
  stopMoving(view);
  start_ = inSuperview(start);
  startOffset_ = view->layer->bounds.origin;
}

ScrollPan::~ScrollPan() { view_->dragging = false; }

CGPoint ScrollPan::inSuperview(CGPoint location) const {
  return send<CGPoint>(view_->superview, "convertPoint:fromView:"_sel, location, nil);
}

void ScrollPan::follow(CGPoint location) {
  UIScrollView* v = view_.get();
  v->dragging = true;
  CGPoint at = inSuperview(location);
  CGRect range = contentOffsetRange(v);
  CGSize size = v->layer->bounds.size;
  CGPoint offset = startOffset_;
  if (scrollsAlongX(v))
    offset.x = banded(startOffset_.x - (at.x - start_.x), CGRectGetMinX(range), CGRectGetMaxX(range), size.width);
  if (scrollsAlongY(v))
    offset.y = banded(startOffset_.y - (at.y - start_.y), CGRectGetMinY(range), CGRectGetMaxY(range), size.height);
  setOffset(v, offset);
}

void ScrollPan::lift() {
  UIScrollView* v = view_.get();
  v->dragging = false;
  CGPoint within = offsetWithinEdges(v, v->layer->bounds.origin);
  if (within == v->layer->bounds.origin) return;
  send<void>(objc_getClass("UIView"),
             "animateWithDuration:delay:usingSpringWithDamping:initialSpringVelocity:options:animations:completion:"_sel,
             kSpringBackSeconds, 0.0, 1.0, 0.0,
             UIViewAnimationOptionAllowUserInteraction | UIViewAnimationOptionBeginFromCurrentState,
             fnd::block<void()>([v, within] { setOffset(v, within); }), nil);
}

void scrollContent(UIScrollView* view, CGPoint delta) {
  auto keep = Ref<UIScrollView>::retain(view);
  stopMoving(view);
  CGPoint offset = view->layer->bounds.origin;
  setOffset(view, offsetWithinEdges(view, {offset.x + delta.x, offset.y + delta.y}));
}

}  // namespace uikit
