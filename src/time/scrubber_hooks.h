#pragma once
// The scrubber: one rounded pill that stretches while it is dragged.
#include <CoreGraphics/CGGeometry.h>

#include "bridge/send.h"

namespace lv::timecontrols {

bool MRUNowPlayingTimeControlsView_beginTracking(id self, SEL _cmd, id touch, id event);
bool MRUNowPlayingTimeControlsView_continueTracking(id self, SEL _cmd, id touch, id event);
void MRUNowPlayingTimeControlsView_endTracking(id self, SEL _cmd, id touch, id event);
void MRUNowPlayingTimeControlsView_cancelTracking(id self, SEL _cmd, id event);
bool MRUNowPlayingTimeControlsView_pointInside(id self, SEL _cmd, CGPoint point, id event);
void MRUNowPlayingTimeControlsView_adjustSizeOfTrack(id self, SEL _cmd);
void MRUNowPlayingTimeControlsView_setMaskedCornersForSlider(id self, SEL _cmd);
void MRUNowPlayingTimeControlsView_animateTrackToLarge(id self, SEL _cmd);
void MRUNowPlayingTimeControlsView_animateTrackToSmall(id self, SEL _cmd);

}  // namespace lv::timecontrols
