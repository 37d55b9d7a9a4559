#pragma once
// What the time-controls replacements share: the copying of the host's time texts into
// the library's own labels, and the labels' height relation.
#include "runtime/runtime.h"
#include "startup/host_values.h"

namespace lv::timecontrols {

// leftTime takes the host's elapsed text, then rightTime its remaining text.
void mirrorTimeTexts(id timeControls);

// Makes `label` as tall as `hostLabel`. The relation is made once per label and
// activated again on later calls; a host label that has been replaced gets a new one.
void activateEqualHeight(id label, id hostLabel);

// Both time labels as tall as the host labels they mirror.
void matchLabelHeights(id timeControls);

}  // namespace lv::timecontrols
