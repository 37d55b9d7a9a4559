#pragma once
// The library's time labels show the host's time texts.
#include "bridge/send.h"

namespace lv::timecontrols {

// leftTime takes the host's elapsed text, then rightTime its remaining text.
void mirrorTimeTexts(id timeControls);

}  // namespace lv::timecontrols
