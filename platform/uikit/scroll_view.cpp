#include "uikit/scroll_view.h"

#include <algorithm>

#include "runtime/accessors.h"
#include "runtime/class_setup.h"

namespace uikit {

namespace {

Class g_scrollView = nullptr;

UIScrollView* asScrollView(id self) { return static_cast<UIScrollView*>(self); }

CGPoint UIScrollView_contentOffset(id self, SEL) { return asScrollView(self)->layer->bounds.origin; }

void UIScrollView_setContentOffset(id self, SEL, CGPoint offset) {
  quartz::setBoundsOrigin(asScrollView(self)->layer.get(), offset);
}

// An offset left beyond the edges by a smaller size or content goes back to the nearest
// edge, as UIKit adjusts it; a finger that drags the content decides for itself.
void keepOffsetWithinEdges(id self) {
  UIScrollView* v = asScrollView(self);
  if (!v->scrollEnabled || v->dragging) return;
  CGPoint offset = v->layer->bounds.origin;
  CGPoint within = offsetWithinEdges(v, offset);
  if (!(within == offset)) send<void>(self, "setContentOffset:"_sel, within);
}

void UIScrollView_setContentSize(id self, SEL, CGSize size) {
  if (asScrollView(self)->contentSize == size) return;
  asScrollView(self)->contentSize = size;
  keepOffsetWithinEdges(self);
}

void UIScrollView_setFrame(id self, SEL sel, CGRect frame) {
  CGSize before = asScrollView(self)->layer->bounds.size;
  sendSuper<void>(g_scrollView->superclass, self, sel, frame);
  if (!(asScrollView(self)->layer->bounds.size == before)) keepOffsetWithinEdges(self);
}

void UIScrollView_setBounds(id self, SEL sel, CGRect bounds) {
  CGSize before = asScrollView(self)->layer->bounds.size;
  sendSuper<void>(g_scrollView->superclass, self, sel, bounds);
  if (!(asScrollView(self)->layer->bounds.size == before)) keepOffsetWithinEdges(self);
}

}  // namespace

Class scrollViewClass() { return g_scrollView; }

CGRect contentOffsetRange(const UIScrollView* view) {
  CGSize bounds = view->layer->bounds.size;
  return {{0, 0},
          {std::max<CGFloat>(view->contentSize.width - bounds.width, 0),
           std::max<CGFloat>(view->contentSize.height - bounds.height, 0)}};
}

CGPoint offsetWithinEdges(const UIScrollView* view, CGPoint offset) {
  CGRect range = contentOffsetRange(view);
  return {std::clamp(offset.x, CGRectGetMinX(range), CGRectGetMaxX(range)),
          std::clamp(offset.y, CGRectGetMinY(range), CGRectGetMaxY(range))};
}

namespace {

void registerScrollViewClass() {
  using rt::addMethod;
  Class c = g_scrollView = rt::defineClass<UIScrollView>("UIScrollView", "UIView");
  addMethod(c, "contentOffset"_sel, UIScrollView_contentOffset);
  addMethod(c, "setContentOffset:"_sel, UIScrollView_setContentOffset);
  addMethod(c, "contentSize"_sel, rt::fieldGetter<&UIScrollView::contentSize>);
  addMethod(c, "setContentSize:"_sel, UIScrollView_setContentSize);
  addMethod(c, "setFrame:"_sel, UIScrollView_setFrame);
  addMethod(c, "setBounds:"_sel, UIScrollView_setBounds);
  addMethod(c, "isDragging"_sel, rt::fieldGetter<&UIScrollView::dragging>);
  rt::addFieldProperty<&UIScrollView::showsHorizontalScrollIndicator>(
      c, "showsHorizontalScrollIndicator"_sel, "setShowsHorizontalScrollIndicator:"_sel);
  rt::addFieldProperty<&UIScrollView::showsVerticalScrollIndicator>(
      c, "showsVerticalScrollIndicator"_sel, "setShowsVerticalScrollIndicator:"_sel);
  rt::addFieldProperty<&UIScrollView::scrollEnabled>(c, "isScrollEnabled"_sel,
                                                     "setScrollEnabled:"_sel);
}

LV_CLASS_SETUP(registerScrollViewClass, "UIView");

}  // namespace

}  // namespace uikit
