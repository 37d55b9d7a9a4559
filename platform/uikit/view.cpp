#include "uikit/view.h"

#include "foundation/run_loop.h"
#include "runtime/accessors.h"
#include "runtime/class_setup.h"
#include "uikit/view_parts.h"

UIView::~UIView() {
  for (const Ref<UIView>& sub : subviews) sub->superview = nullptr;
}

namespace uikit {

using detail::asView;

namespace {

Class g_view = nullptr;
Class g_window = nullptr;

Class UIView_layerClass(id, SEL) { return quartz::layerClass(); }

id UIView_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(g_view->superclass, self, "init"_sel);
  if (!self) return nil;
  UIView* v = asView(self);
  Class layerClass = send<Class>(send<Class>(self, "class"_sel), "layerClass"_sel);
  v->layer = Ref<CALayer>::adopt(static_cast<CALayer*>(rt::create(layerClass).leak()));
  v->layer->delegate = self;
  send<void>(self, "setFrame:"_sel, frame);
  return self;
}

id UIView_init(id self, SEL) { return send<id>(self, "initWithFrame:"_sel, CGRectZero); }

id UIView_initWithCoder(id self, SEL, id) { return send<id>(self, "initWithFrame:"_sel, CGRectZero); }

void UIView_dealloc(id self, SEL) {
  UIView* v = asView(self);
  // Whatever a replaced removeFromSuperview leaves attached is detached by ~UIView.
  std::vector<Ref<UIView>> subviews(v->subviews.rbegin(), v->subviews.rend());
  for (const Ref<UIView>& sub : subviews) send<void>(sub.get(), "removeFromSuperview"_sel);
  // After the subviews: removing one flags this view for layout again.
  detail::forgetLayoutRoot(v);
  if (v->layer) v->layer->delegate = nil;
  sendSuper<void>(g_view->superclass, self, "dealloc"_sel);
}

id UIView_layer(id self, SEL) { return asView(self)->layer.get(); }

bool UIView_isHidden(id self, SEL) { return asView(self)->layer->hidden; }
void UIView_setHidden(id self, SEL, bool hidden) { asView(self)->layer->hidden = hidden; }

CGFloat UIView_alpha(id self, SEL) { return asView(self)->layer->opacity; }
void UIView_setAlpha(id self, SEL, CGFloat alpha) {
  quartz::setOpacity(asView(self)->layer.get(), static_cast<float>(alpha));
}

bool UIView_clipsToBounds(id self, SEL) { return asView(self)->layer->masksToBounds; }
void UIView_setClipsToBounds(id self, SEL, bool clips) { asView(self)->layer->masksToBounds = clips; }

void UIView_setBackgroundColor(id self, SEL, id color) {
  UIView* v = asView(self);
  if (v->backgroundColor.get() == color) return;
  v->backgroundColor = Ref<>::retain(color);
  v->layer->backgroundColor = Ref<>::retain(send<id>(color, "CGColor"_sel));
}

CGSize UIView_sizeThatFits(id self, SEL, CGSize) { return asView(self)->layer->bounds.size; }

void UIView_sizeToFit(id self, SEL) {
  CGRect frame = send<CGRect>(self, "frame"_sel);
  frame.size = send<CGSize>(self, "sizeThatFits:"_sel, frame.size);
  send<void>(self, "setFrame:"_sel, frame);
}

CGSize UIView_intrinsicContentSize(id, SEL) {
  return {UIViewNoIntrinsicMetric, UIViewNoIntrinsicMetric};
}

// A constraint layout reads the intrinsic size at the superview's layout pass.
void UIView_invalidateIntrinsicContentSize(id self, SEL) {
  send<void>(asView(self)->superview, "setNeedsLayout"_sel);
}

id UIView_viewWithTag(id self, SEL, NSInteger tag) {
  UIView* v = asView(self);
  if (v->tag == tag) return self;
  for (const Ref<UIView>& sub : v->subviews)
    if (id found = send<id>(sub, "viewWithTag:"_sel, tag)) return found;
  return nil;
}

id UIWindow_window(id self, SEL) { return self; }

}  // namespace

Class viewClass() { return g_view; }
Class windowClass() { return g_window; }

namespace {

void registerViewClasses() {
  using rt::addMethod;
  Class v = g_view = rt::defineClass<UIView>("UIView", "UIResponder");
  rt::addClassMethod(v, "layerClass"_sel, UIView_layerClass);
  addMethod(v, "initWithFrame:"_sel, UIView_initWithFrame);
  addMethod(v, "init"_sel, UIView_init);
  addMethod(v, "initWithCoder:"_sel, UIView_initWithCoder);
  addMethod(v, "dealloc"_sel, UIView_dealloc);
  addMethod(v, "layer"_sel, UIView_layer);
  addMethod(v, "isHidden"_sel, UIView_isHidden);
  addMethod(v, "setHidden:"_sel, UIView_setHidden);
  addMethod(v, "alpha"_sel, UIView_alpha);
  addMethod(v, "setAlpha:"_sel, UIView_setAlpha);
  addMethod(v, "clipsToBounds"_sel, UIView_clipsToBounds);
  addMethod(v, "setClipsToBounds:"_sel, UIView_setClipsToBounds);
  addMethod(v, "backgroundColor"_sel, rt::objectGetter<&UIView::backgroundColor>);
  addMethod(v, "setBackgroundColor:"_sel, UIView_setBackgroundColor);
  rt::addFieldProperty<&UIView::userInteractionEnabled>(v, "isUserInteractionEnabled"_sel,
                                                        "setUserInteractionEnabled:"_sel);
  rt::addFieldProperty<&UIView::contentMode>(v, "contentMode"_sel, "setContentMode:"_sel);
  rt::addFieldProperty<&UIView::tag>(v, "tag"_sel, "setTag:"_sel);
  addMethod(v, "viewWithTag:"_sel, UIView_viewWithTag);
  rt::addFieldProperty<&UIView::autoresizingMask>(v, "autoresizingMask"_sel,
                                                  "setAutoresizingMask:"_sel);
  rt::addFieldProperty<&UIView::autoresizesSubviews>(v, "autoresizesSubviews"_sel,
                                                     "setAutoresizesSubviews:"_sel);
  rt::addFieldProperty<&UIView::translatesAutoresizingMaskIntoConstraints>(
      v, "translatesAutoresizingMaskIntoConstraints"_sel,
      "setTranslatesAutoresizingMaskIntoConstraints:"_sel);
  addMethod(v, "sizeThatFits:"_sel, UIView_sizeThatFits);
  addMethod(v, "sizeToFit"_sel, UIView_sizeToFit);
  addMethod(v, "intrinsicContentSize"_sel, UIView_intrinsicContentSize);
  addMethod(v, "invalidateIntrinsicContentSize"_sel, UIView_invalidateIntrinsicContentSize);
  detail::addGeometryMethods(v);
  detail::addHierarchyMethods(v);
  detail::addLayoutMethods(v);
  detail::addTraitMethods(v);
  detail::addAnimationMethods(v);
  fnd::RunLoop::main().setCommitHandler(fnd::RunLoop::CommitPhase::Layout,
                                        [](double) { runLayoutPass(); });

  rt::defineClass<UIControl>("UIControl", "UIView");
  g_window = rt::defineClass<UIWindow>("UIWindow", "UIView");
  addMethod(g_window, "window"_sel, UIWindow_window);
}

LV_CLASS_SETUP(registerViewClasses, "UIResponder");

}  // namespace

}  // namespace uikit
