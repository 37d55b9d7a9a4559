#include "uikit/device.h"

#include "foundation/values.h"
#include "runtime/class_setup.h"

namespace uikit {

namespace {

Class g_UIDevice;
UIDevice* g_currentDevice;  // made at registration, lives for the process

id UIDevice_currentDevice(id, SEL) { return g_currentDevice; }
id UIDevice_systemVersion(id self, SEL) { return static_cast<UIDevice*>(self)->systemVersion.get(); }
NSInteger UIDevice_userInterfaceIdiom(id self, SEL) { return static_cast<UIDevice*>(self)->idiom; }

}  // namespace

void setDevice(std::string_view systemVersion, NSInteger idiom) {
  rt::AutoreleasePool pool;
  g_currentDevice->systemVersion = Ref<>::retain(fnd::string(systemVersion));
  g_currentDevice->idiom = idiom;
}

namespace {

void registerDeviceClasses() {
  g_UIDevice = rt::defineClass<UIDevice>("UIDevice", "NSObject");
  rt::addClassMethod(g_UIDevice, "currentDevice"_sel, UIDevice_currentDevice);
  rt::addMethod(g_UIDevice, "systemVersion"_sel, UIDevice_systemVersion);
  rt::addMethod(g_UIDevice, "userInterfaceIdiom"_sel, UIDevice_userInterfaceIdiom);
  g_currentDevice = static_cast<UIDevice*>(rt::create(g_UIDevice).leak());
  setDevice("15.0", UIUserInterfaceIdiomPhone);
}

LV_CLASS_SETUP(registerDeviceClasses, "NSString");

}  // namespace

}  // namespace uikit
