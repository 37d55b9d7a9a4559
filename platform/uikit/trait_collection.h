#pragma once
// UITraitCollection: the traits a view reports. Only the vertical size class is kept.
#include "runtime/runtime.h"

struct UITraitCollection : objc_object {
  NSInteger verticalSizeClass = 0;
};

namespace uikit {
void registerTraitCollectionClass();
// An autoreleased trait collection (+0).
id traitCollection(NSInteger verticalSizeClass);
}  // namespace uikit
