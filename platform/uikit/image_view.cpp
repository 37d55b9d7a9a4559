#include "uikit/image_view.h"

#include "runtime/accessors.h"
#include "runtime/class_setup.h"
#include "uikit/image.h"

namespace uikit {

namespace {

id UIImageView_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(viewClass(), self, "initWithFrame:"_sel, frame);
  if (self) static_cast<UIImageView*>(self)->userInteractionEnabled = false;
  return self;
}

// Sized to the image, as the device does.
id UIImageView_initWithImage(id self, SEL, id image) {
  CGSize size = image ? static_cast<UIImage*>(image)->size : CGSize{};
  self = send<id>(self, "initWithFrame:"_sel, CGRect{{0, 0}, size});
  if (self) static_cast<UIImageView*>(self)->image = Ref<>::retain(image);
  return self;
}

CGSize UIImageView_sizeThatFits(id self, SEL, CGSize) {
  id image = static_cast<UIImageView*>(self)->image.get();
  return image ? static_cast<UIImage*>(image)->size : CGSize{};
}

CGSize UIImageView_intrinsicContentSize(id self, SEL) {
  id image = static_cast<UIImageView*>(self)->image.get();
  if (!image) return {UIViewNoIntrinsicMetric, UIViewNoIntrinsicMetric};
  return static_cast<UIImage*>(image)->size;
}

void UIImageView_setImage(id self, SEL, id image) {
  auto* v = static_cast<UIImageView*>(self);
  if (v->image.get() == image) return;
  v->image = Ref<>::retain(image);
  send<void>(self, "invalidateIntrinsicContentSize"_sel);
}

void registerImageViewClass() {
  Class c = rt::defineClass<UIImageView>("UIImageView", "UIView");
  rt::addMethod(c, "initWithFrame:"_sel, UIImageView_initWithFrame);
  rt::addMethod(c, "initWithImage:"_sel, UIImageView_initWithImage);
  rt::addMethod(c, "image"_sel, rt::objectGetter<&UIImageView::image>);
  rt::addMethod(c, "setImage:"_sel, UIImageView_setImage);
  rt::addMethod(c, "sizeThatFits:"_sel, UIImageView_sizeThatFits);
  rt::addMethod(c, "intrinsicContentSize"_sel, UIImageView_intrinsicContentSize);
}

LV_CLASS_SETUP(registerImageViewClass, "UIView");

}  // namespace

}  // namespace uikit
