#include "uikit/screen.h"

#include "runtime/class_setup.h"

namespace uikit {

namespace {

Class g_UIScreen;

Ref<>& mainScreen() {
  static auto* screen = new Ref<>;  // lives for the process
  return *screen;
}

UIScreen* asScreen(id self) { return static_cast<UIScreen*>(self); }

id UIScreen_mainScreen(id, SEL) { return mainScreen().get(); }
CGRect UIScreen_nativeBounds(id self, SEL) { return asScreen(self)->nativeBounds; }
CGFloat UIScreen_scale(id self, SEL) { return asScreen(self)->scale; }
CGRect UIScreen_bounds(id self, SEL) {
  const UIScreen* s = asScreen(self);
  return CGRectMake(0, 0, s->nativeBounds.size.width / s->scale, s->nativeBounds.size.height / s->scale);
}

}  // namespace

void setMainScreen(CGSize nativeSize, CGFloat scale) {
  if (!(scale > 0)) rt::fatal("UIScreen: a screen's scale must be positive");
  Ref<> screen = rt::create(g_UIScreen);
  asScreen(screen.get())->nativeBounds = CGRectMake(0, 0, nativeSize.width, nativeSize.height);
  asScreen(screen.get())->scale = scale;
  mainScreen() = screen;
}

void removeMainScreen() { mainScreen() = nullptr; }

namespace {

void registerScreenClasses() {
  g_UIScreen = rt::defineClass<UIScreen>("UIScreen", "NSObject");
  rt::addClassMethod(g_UIScreen, "mainScreen"_sel, UIScreen_mainScreen);
  rt::addMethod(g_UIScreen, "nativeBounds"_sel, UIScreen_nativeBounds);
  rt::addMethod(g_UIScreen, "nativeScale"_sel, UIScreen_scale);
  rt::addMethod(g_UIScreen, "scale"_sel, UIScreen_scale);
  rt::addMethod(g_UIScreen, "bounds"_sel, UIScreen_bounds);
}

LV_CLASS_SETUP(registerScreenClasses);

}  // namespace

}  // namespace uikit
