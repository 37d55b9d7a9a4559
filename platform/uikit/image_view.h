#pragma once
// UIImageView: a view that shows a UIImage by its content mode. Ignores touches unless
// told otherwise, as on the device.
#include "uikit/view.h"

struct UIImageView : UIView {
  Ref<> image;
};

namespace uikit {
}
