#include "uikit/scroll_view.h"

#include "runtime/accessors.h"

namespace uikit {

namespace {

CGPoint UIScrollView_contentOffset(id self, SEL) {
  return static_cast<UIScrollView*>(self)->layer->bounds.origin;
}

void UIScrollView_setContentOffset(id self, SEL, CGPoint offset) {
  quartz::setBoundsOrigin(static_cast<UIScrollView*>(self)->layer.get(), offset);
}

}  // namespace

void registerScrollViewClass() {
  using rt::addMethod;
  Class c = rt::defineClass<UIScrollView>("UIScrollView", viewClass());
  addMethod(c, "contentOffset"_sel, UIScrollView_contentOffset);
  addMethod(c, "setContentOffset:"_sel, UIScrollView_setContentOffset);
  addMethod(c, "contentSize"_sel, rt::fieldGetter<&UIScrollView::contentSize>);
  addMethod(c, "setContentSize:"_sel, rt::fieldSetter<&UIScrollView::contentSize>);
  addMethod(c, "showsHorizontalScrollIndicator"_sel,
            rt::fieldGetter<&UIScrollView::showsHorizontalScrollIndicator>);
  addMethod(c, "setShowsHorizontalScrollIndicator:"_sel,
            rt::fieldSetter<&UIScrollView::showsHorizontalScrollIndicator>);
  addMethod(c, "showsVerticalScrollIndicator"_sel,
            rt::fieldGetter<&UIScrollView::showsVerticalScrollIndicator>);
  addMethod(c, "setShowsVerticalScrollIndicator:"_sel,
            rt::fieldSetter<&UIScrollView::showsVerticalScrollIndicator>);
  addMethod(c, "isScrollEnabled"_sel, rt::fieldGetter<&UIScrollView::scrollEnabled>);
  addMethod(c, "setScrollEnabled:"_sel, rt::fieldSetter<&UIScrollView::scrollEnabled>);
}

}  // namespace uikit
