#pragma once
// The UIKit class skeleton that everything else hangs from. Each struct is the C++ state
// of the runtime class of the same name; the classes are registered at platform load.
#include "quartz/geometry.h"
#include "runtime/runtime.h"

struct UIEdgeInsets {
  CGFloat top = 0, left = 0, bottom = 0, right = 0;
  bool operator==(const UIEdgeInsets&) const = default;
};
LV_STRUCT_ENCODING(UIEdgeInsets, "UIEdgeInsets", &UIEdgeInsets::top, &UIEdgeInsets::left,
                   &UIEdgeInsets::bottom, &UIEdgeInsets::right)

struct UIResponder : objc_object {};
// uikit/view_controller.h
struct UIViewController : UIResponder {
  Ref<> loadedView;  // once loaded or set
};
struct UIApplication : UIResponder {};
