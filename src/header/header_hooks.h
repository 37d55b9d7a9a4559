#pragma once
// The now-playing header: its frame on the platter, and the one-shot set-up of its
// labels and taps when it is first laid out there.
#include <CoreGraphics/CGGeometry.h>

#include "bridge/send.h"

namespace lv::header {

void MRUNowPlayingHeaderView_layoutSubviews(id self, SEL _cmd);
void MRUNowPlayingHeaderView_setFrame(id self, SEL _cmd, CGRect frame);

}  // namespace lv::header
