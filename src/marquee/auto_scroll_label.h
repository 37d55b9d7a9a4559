#pragma once
// CBAutoScrollLabel: a one-line label that shows its text as a marquee when the text is
// wider than the view. Two copies of the text stand side by side in a scroll view; a run
// rests, then moves the scroll view by one copy plus the gap and snaps back. Main thread
// only, like every view.
#include "runtime/runtime.h"
#include "uikit/view.h"

namespace lv::marquee {

struct CBAutoScrollLabel : UIView {
  bool scrolling = false;
  float scrollSpeed = 0;
  NSInteger scrollDirection = 0;
  double pauseInterval = 0;
  NSInteger labelSpacing = 0;
  NSUInteger animationOptions = 0;
  double fadeLength = 0;
  NSInteger textAlignment = 0;
  Ref<> labels;      // immutable NSArray of the UILabel copies
  Ref<> scrollView;  // made on first read of `scrollView`
};

inline constexpr NSInteger kScrollLeft = 1;
inline constexpr NSInteger kScrollRight = 0;

// Registers the class with the runtime; the library does this when it is loaded, before
// its initialisers run.
void registerAutoScrollLabelClass();

}  // namespace lv::marquee
