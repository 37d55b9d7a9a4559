#pragma once
// CBAutoScrollLabel: a one-line label that shows its text as a marquee when the text is
// wider than the view. Two copies of the text stand side by side in a scroll view; a run
// rests, then moves the scroll view by one copy plus the gap and snaps back. Main thread
// only, like every view.
#include <objc/NSObjCRuntime.h>

namespace lv::marquee {

inline constexpr NSInteger kScrollLeft = 1;
inline constexpr NSInteger kScrollRight = 0;

// Makes the class, a subclass of UIView, and registers it with the runtime; the library
// does this when it is loaded, before its initialisers run. Once only.
void registerAutoScrollLabelClass();

}  // namespace lv::marquee
