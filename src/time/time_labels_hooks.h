#pragma once
// The time controls' own elapsed and remaining labels.
#include <CoreGraphics/CGGeometry.h>

#include "bridge/send.h"

namespace lv::timecontrols {

void MRUNowPlayingTimeControlsView_setFrame(id self, SEL _cmd, CGRect frame);
void MRUNowPlayingTimeControlsView_setNeedsLayout(id self, SEL _cmd);
id MRUNowPlayingTimeControlsView_initWithFramePrimaryAction(id self, SEL _cmd, CGRect frame, id action);
void MRUNowPlayingTimeControlsView_layoutSubviews(id self, SEL _cmd);
void MRUNowPlayingTimeControlsView_setElapsedTimeFactor(id self, SEL _cmd, double factor);
void MRUNowPlayingTimeControlsView_updateElapsedTime(id self, SEL _cmd);
void MRUNowPlayingTimeControlsView_addLVTimes(id self, SEL _cmd);

}  // namespace lv::timecontrols
