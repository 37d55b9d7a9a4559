#pragma once
// The library's time labels are as tall as the host labels they mirror.
#include "bridge/send.h"

namespace lv::timecontrols {

// Makes `label` as tall as `hostLabel`. The relation is made once per label and
// activated again on later calls; a host label that has been replaced gets a new one.
void activateEqualHeight(id label, id hostLabel);

// Both time labels as tall as the host labels they mirror.
void matchLabelHeights(id timeControls);

}  // namespace lv::timecontrols
