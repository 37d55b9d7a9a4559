#include "time/time_labels_hooks.h"

#include "startup/slot.h"

namespace lv::timecontrols {

void MRUNowPlayingTimeControlsView_setFrame(id self, SEL _cmd, CGRect frame) {
  slot<MRUNowPlayingTimeControlsView_setFrame>(self, _cmd, frame);
}

void MRUNowPlayingTimeControlsView_setNeedsLayout(id self, SEL _cmd) {
  slot<MRUNowPlayingTimeControlsView_setNeedsLayout>(self, _cmd);
}

id MRUNowPlayingTimeControlsView_initWithFramePrimaryAction(id self, SEL _cmd, CGRect frame, id action) {
  return slot<MRUNowPlayingTimeControlsView_initWithFramePrimaryAction>(self, _cmd, frame, action);
}

void MRUNowPlayingTimeControlsView_layoutSubviews(id self, SEL _cmd) {
  slot<MRUNowPlayingTimeControlsView_layoutSubviews>(self, _cmd);
}

void MRUNowPlayingTimeControlsView_setElapsedTimeFactor(id self, SEL _cmd, double factor) {
  slot<MRUNowPlayingTimeControlsView_setElapsedTimeFactor>(self, _cmd, factor);
}

void MRUNowPlayingTimeControlsView_updateElapsedTime(id self, SEL _cmd) {
  slot<MRUNowPlayingTimeControlsView_updateElapsedTime>(self, _cmd);
}

void MRUNowPlayingTimeControlsView_addLVTimes(id, SEL) {}

}  // namespace lv::timecontrols
