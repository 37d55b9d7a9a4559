#pragma once
// Moving a scroll view's content by hand. A finger that drags over a scroll view's content
// pans it: the content follows the finger from where it went down, held back by a rubber
// band beyond the edges, and springs back inside them when the finger lifts. The wheel
// moves the content within its edges. The touch dispatcher drives both; main thread only.
#include "uikit/scroll_view.h"

namespace uikit {

// The scroll view a touch on `view` may pan: the nearest at or above it that scrolls and
// whose content is larger than its bounds along some axis; nullptr when there is none.
UIScrollView* pannableScrollView(id view);

class ScrollPan {
 public:
  // A finger down at `start` takes hold of the content where it shows now, stopping a
  // spring back on its way. Points are in window coordinates.
  ScrollPan(UIScrollView* view, CGPoint start);
  ~ScrollPan();
  ScrollPan(const ScrollPan&) = delete;
  ScrollPan& operator=(const ScrollPan&) = delete;

  // The finger has moved to `location`: the content drags along.
  void follow(CGPoint location);
  // The finger lifts or is cancelled: content beyond an edge springs back to it.
  void lift();

 private:
  CGPoint inSuperview(CGPoint location) const;

  Ref<UIScrollView> view_;
  CGPoint start_{}, startOffset_{};
};

// Moves the content by `delta` points, stopping at the edges.
void scrollContent(UIScrollView* view, CGPoint delta);

}  // namespace uikit
