#include "uikit/responder.h"

namespace uikit {

void registerResponderClasses() {
  Class responder = rt::defineClass<UIResponder>("UIResponder", rt::rootClass());
  rt::defineClass<UIApplication>("UIApplication", responder);
}

}  // namespace uikit
