#pragma once
// The host's now-playing label view and transport controls around the header.
#include "quartz/geometry.h"
#include "runtime/runtime.h"

namespace lv::header {

void MRUNowPlayingTransportControlsView_setFrame(id self, SEL _cmd, CGRect frame);
void MRUNowPlayingLabelView_didMoveToWindow(id self, SEL _cmd);
void MRUNowPlayingLabelView_setFrame(id self, SEL _cmd, CGRect frame);

}  // namespace lv::header
