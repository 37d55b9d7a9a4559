#pragma once
// UIViewController: owns its view, which `view` makes on first request through the
// dispatched `loadView` (a plain UIView unless a subclass makes its own). Its traits are
// those of the view that the dispatched `view` answers, so a subclass that keeps its view
// elsewhere reports that view's traits; asking for them loads the view.
#include "uikit/responder.h"

namespace uikit {
}
