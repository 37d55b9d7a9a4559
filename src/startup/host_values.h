#pragma once
// The host values that mark the lock screen's own media platter: the library changes the
// media views only in layout 4 or context 2, and the artwork view only in style 1.
#include <UIKit/UIInterface.h>
#include <UIKit/UIView.h>

#include "bridge/send.h"

namespace lv {

inline constexpr NSInteger kPlatterLayout = 4;
inline constexpr NSInteger kPlatterContext = 2;
inline constexpr NSInteger kPlatterArtworkStyle = 1;

inline bool inPlatterLayout(id view) { return send<NSInteger>(view, "layout"_sel) == kPlatterLayout; }
inline bool inPlatterContext(id view) { return send<NSInteger>(view, "context"_sel) == kPlatterContext; }

// For a view or a view controller.
inline NSInteger verticalSizeClass(id traitEnvironment) {
  return send<NSInteger>(send<id>(traitEnvironment, "traitCollection"_sel), "verticalSizeClass"_sel);
}

inline bool isVerticallyCompact(id traitEnvironment) {
  return verticalSizeClass(traitEnvironment) == UIUserInterfaceSizeClassCompact;
}

}  // namespace lv
