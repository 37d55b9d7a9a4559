#pragma once
// What the time-controls replacements share: the platter's context test, the copying of
// the host's time texts into the library's own labels, and the labels' height relation.
#include "runtime/runtime.h"

namespace lv::timecontrols {

// The context of the lock screen's own platter, the only one restyled.
inline constexpr NSInteger kPlatterContext = 2;

inline bool inPlatterContext(id timeControls) {
  return send<NSInteger>(timeControls, "context"_sel) == kPlatterContext;
}

// leftTime takes the host's elapsed text, then rightTime its remaining text.
void mirrorTimeTexts(id timeControls);

// Makes `label` as tall as `hostLabel`. The relation is made once per label and
// activated again on later calls; a host label that has been replaced gets a new one.
void activateEqualHeight(id label, id hostLabel);

// Both time labels as tall as the host labels they mirror.
void matchLabelHeights(id timeControls);

}  // namespace lv::timecontrols
