#include "uikit/view.h"

namespace uikit {

void registerViewClasses() {
  Class view = rt::defineClass<UIView>("UIView", objc_getClass("UIResponder"));
  rt::defineClass<UIControl>("UIControl", view);
  rt::defineClass<UIWindow>("UIWindow", view);
}

}  // namespace uikit
