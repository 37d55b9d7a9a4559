#pragma once
// UIView and its direct kin. The view's geometry, hierarchy, layer and animation state
// live here.
#include "uikit/responder.h"

struct UIView : UIResponder {};
struct UIControl : UIView {};
struct UIWindow : UIView {};

namespace uikit {
void registerViewClasses();
}
