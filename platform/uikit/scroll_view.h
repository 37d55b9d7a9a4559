#pragma once
// UIScrollView: the content offset is the origin of the view's bounds, as on the device,
// so moving it moves the subviews; animating it animates the bounds origin.
#include "uikit/view.h"

struct UIScrollView : UIView {
  CGSize contentSize;
  bool showsHorizontalScrollIndicator = true;
  bool showsVerticalScrollIndicator = true;
  bool scrollEnabled = true;
};

namespace uikit {
}
