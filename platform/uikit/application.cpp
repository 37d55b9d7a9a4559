#include "uikit/application.h"

#include "foundation/values.h"
#include "runtime/class_setup.h"

namespace {

Class g_UIApplication;

// The shared application lives for the process, as on the device.
Ref<>& shared() {
  static auto* application = new Ref<>;
  return *application;
}
bool g_sharedIsImplicit = false;

std::vector<uikit::ApplicationLaunch>& launches() {
  static std::vector<uikit::ApplicationLaunch> list;
  return list;
}

id UIApplication_init(id self, SEL) {
  self = sendSuper<id>(g_UIApplication->superclass, self, "init"_sel);
  if (!self) return nullptr;
  if (shared() && !g_sharedIsImplicit) {
    rt::diagnose("UIApplication: there can only be one application; this %s is not shared",
                 self->isa->name.c_str());
    return self;
  }
  shared() = Ref<>::retain(self);
  g_sharedIsImplicit = false;
  return self;
}

id UIApplication_sharedApplication(id, SEL) {
  if (!shared()) {
    rt::create(g_UIApplication);
    g_sharedIsImplicit = true;
  }
  return shared().get();
}

bool UIApplication_launchApplication(id, SEL, id identifier, bool suspended) {
  if (!identifier) return false;
  launches().push_back({fnd::utf8(identifier), suspended});
  return true;
}

}  // namespace

namespace uikit {

namespace {

void registerApplicationClasses() {
  g_UIApplication = objc_getClass("UIApplication");
  rt::addMethod(g_UIApplication, "init"_sel, UIApplication_init);
  rt::addClassMethod(g_UIApplication, "sharedApplication"_sel, UIApplication_sharedApplication);
  rt::addMethod(g_UIApplication, "launchApplicationWithIdentifier:suspended:"_sel,
                UIApplication_launchApplication);
}

LV_CLASS_SETUP(registerApplicationClasses, "UIApplication");

}  // namespace

const std::vector<ApplicationLaunch>& applicationLaunches() { return launches(); }

}  // namespace uikit
