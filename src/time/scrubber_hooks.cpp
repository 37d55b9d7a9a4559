#include "time/scrubber_hooks.h"

#include "startup/slot.h"

namespace lv::timecontrols {

bool MRUNowPlayingTimeControlsView_beginTracking(id self, SEL _cmd, id touch, id event) {
  return slot<MRUNowPlayingTimeControlsView_beginTracking>(self, _cmd, touch, event);
}

bool MRUNowPlayingTimeControlsView_continueTracking(id self, SEL _cmd, id touch, id event) {
  return slot<MRUNowPlayingTimeControlsView_continueTracking>(self, _cmd, touch, event);
}

void MRUNowPlayingTimeControlsView_endTracking(id self, SEL _cmd, id touch, id event) {
  slot<MRUNowPlayingTimeControlsView_endTracking>(self, _cmd, touch, event);
}

// Touches count anywhere inside the bounds; the host's own test is never asked.
bool MRUNowPlayingTimeControlsView_pointInside(id self, SEL, CGPoint point, id) {
  return CGRectContainsPoint(send<CGRect>(self, "bounds"_sel), point);
}

void MRUNowPlayingTimeControlsView_adjustSizeOfTrack(id, SEL) {}
void MRUNowPlayingTimeControlsView_setMaskedCornersForSlider(id, SEL) {}
void MRUNowPlayingTimeControlsView_animateTrackToLarge(id, SEL) {}
void MRUNowPlayingTimeControlsView_animateTrackToSmall(id, SEL) {}

}  // namespace lv::timecontrols
