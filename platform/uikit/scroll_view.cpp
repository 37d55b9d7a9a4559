#include "uikit/scroll_view.h"

#include "runtime/accessors.h"
#include "runtime/class_setup.h"

namespace uikit {

namespace {

CGPoint UIScrollView_contentOffset(id self, SEL) {
  return static_cast<UIScrollView*>(self)->layer->bounds.origin;
}

void UIScrollView_setContentOffset(id self, SEL, CGPoint offset) {
  quartz::setBoundsOrigin(static_cast<UIScrollView*>(self)->layer.get(), offset);
}

void registerScrollViewClass() {
  using rt::addMethod;
  Class c = rt::defineClass<UIScrollView>("UIScrollView", "UIView");
  addMethod(c, "contentOffset"_sel, UIScrollView_contentOffset);
  addMethod(c, "setContentOffset:"_sel, UIScrollView_setContentOffset);
  rt::addFieldProperty<&UIScrollView::contentSize>(c, "contentSize"_sel, "setContentSize:"_sel);
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
