#include "uikit/view_controller.h"

#include "runtime/accessors.h"
#include "runtime/class_setup.h"
#include "uikit/trait_collection.h"
#include "uikit/view.h"

namespace uikit {

namespace {

UIViewController* asController(id self) { return static_cast<UIViewController*>(self); }

id UIViewController_view(id self, SEL) {
  if (!asController(self)->loadedView) send<void>(self, "loadView"_sel);
  return asController(self)->loadedView.get();
}

void UIViewController_loadView(id self, SEL) {
  asController(self)->loadedView = rt::create(viewClass(), "initWithFrame:"_sel, CGRectZero);
}

bool UIViewController_isViewLoaded(id self, SEL) { return asController(self)->loadedView != nil; }

// A controller without a view (a loadView that made none) has no traits of its own.
id UIViewController_traitCollection(id self, SEL) {
  id view = send<id>(self, "view"_sel);
  return view ? send<id>(view, "traitCollection"_sel) : traitCollection(UIUserInterfaceSizeClassUnspecified);
}

void registerViewControllerClass() {
  Class c = rt::defineClass<UIViewController>("UIViewController", "UIResponder");
  rt::addMethod(c, "view"_sel, UIViewController_view);
  rt::addMethod(c, "setView:"_sel, rt::objectSetter<&UIViewController::loadedView>);
  rt::addMethod(c, "loadView"_sel, UIViewController_loadView);
  rt::addMethod(c, "isViewLoaded"_sel, UIViewController_isViewLoaded);
  rt::addMethod(c, "traitCollection"_sel, UIViewController_traitCollection);
}

LV_CLASS_SETUP(registerViewControllerClass, "UIResponder");

}  // namespace

}  // namespace uikit
