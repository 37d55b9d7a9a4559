#pragma once
// UIControl's touch tracking: the entry points a touch runs through while it lasts, and
// the control's enabled and tracking state. The touch dispatcher drives them.
#include "uikit/view.h"

namespace uikit {

// The touch phases as they reach a control, each sent through the runtime.
void controlTouchBegan(UIControl* control, id touch, id event);
void controlTouchMoved(UIControl* control, id touch, id event);
void controlTouchEnded(UIControl* control, id touch, id event);
void controlTouchCancelled(UIControl* control, id event);

}  // namespace uikit
