#include "uikit/responder.h"

#include "runtime/class_setup.h"

namespace uikit {

namespace {

void registerResponderClasses() {
  rt::defineClass<UIResponder>("UIResponder", "NSObject");
  rt::defineClass<UIApplication>("UIApplication", "UIResponder");
}

LV_CLASS_SETUP(registerResponderClasses);

}  // namespace

}  // namespace uikit
