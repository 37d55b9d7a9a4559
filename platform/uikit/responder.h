#pragma once
// The UIKit class skeleton that everything else hangs from. Each struct is the C++ state
// of the runtime class of the same name; the classes are registered at platform load.
#include <UIKit/UIGeometry.h>

#include "quartz/geometry.h"
#include "runtime/runtime.h"

inline bool operator==(const UIEdgeInsets& e, const UIEdgeInsets& f) {
  return e.top == f.top && e.left == f.left && e.bottom == f.bottom && e.right == f.right;
}
LV_STRUCT_ENCODING(UIEdgeInsets, "UIEdgeInsets", &UIEdgeInsets::top, &UIEdgeInsets::left,
                   &UIEdgeInsets::bottom, &UIEdgeInsets::right)

struct UIResponder : objc_object {};
// uikit/view_controller.h
struct UIViewController : UIResponder {
  Ref<> loadedView;  // once loaded or set
};
struct UIApplication : UIResponder {};
