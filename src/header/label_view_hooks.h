#pragma once
// The host's now-playing label view and transport controls around the header.
#include <CoreGraphics/CGGeometry.h>

#include "bridge/send.h"

namespace lv::header {

void MRUNowPlayingTransportControlsView_setFrame(id self, SEL _cmd, CGRect frame);
void MRUNowPlayingLabelView_didMoveToWindow(id self, SEL _cmd);
void MRUNowPlayingLabelView_setFrame(id self, SEL _cmd, CGRect frame);

}  // namespace lv::header
