#pragma once
// UIScrollView: the content offset is the origin of the view's bounds, as on the device,
// so moving it moves the subviews; animating it animates the bounds origin.
//
// A finger or the wheel moves the content (uikit/scroll_pan.h). While no finger drags it,
// a scroll view that scrolls keeps its offset within its edges when its size or its
// content size changes.
#include "uikit/view.h"

struct UIScrollView : UIView {
  CGSize contentSize{};
  bool showsHorizontalScrollIndicator = true;
  bool showsVerticalScrollIndicator = true;
  bool scrollEnabled = true;
  bool dragging = false;  // a finger pans the content
};

namespace uikit {

Class scrollViewClass();

// The offsets the content may rest at: from the origin to where the content's far edges
// meet the bounds' far edges (the origin along an axis where the content fits).
CGRect contentOffsetRange(const UIScrollView* view);
// The nearest offset within that range.
CGPoint offsetWithinEdges(const UIScrollView* view, CGPoint offset);

}  // namespace uikit
