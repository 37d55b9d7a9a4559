#pragma once
// The artwork tap: from one square to the other, with the background fades, the label
// view's blink, the header's re-centring and the haptic tap.
#include "bridge/send.h"

namespace lv::artwork {

void toggleArtwork(id artworkView);

}  // namespace lv::artwork
