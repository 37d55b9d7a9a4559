#pragma once
// Haptic feedback generators. There is no motor here: what was asked for is recorded.
#include <vector>

#include "runtime/runtime.h"

struct UIFeedbackGenerator : objc_object {};
struct UIImpactFeedbackGenerator : UIFeedbackGenerator {
  NSInteger style = 1;  // UIImpactFeedbackStyleMedium
};

namespace uikit {

struct HapticRecord {
  long prepares = 0;
  std::vector<NSInteger> impacts;  // the style of each impact, oldest first
};

const HapticRecord& hapticRecord();

}  // namespace uikit
