#pragma once
// The now-playing header: the title and artist labels, their centring and taps.
#include "quartz/geometry.h"
#include "runtime/runtime.h"

namespace lv::header {

void MRUNowPlayingHeaderView_layoutSubviews(id self, SEL _cmd);
void MRUNowPlayingHeaderView_setFrame(id self, SEL _cmd, CGRect frame);
void MRUNowPlayingHeaderView_addLVLabels(id self, SEL _cmd);
void MRUNowPlayingHeaderView_centreFrame(id self, SEL _cmd);
void MRUNowPlayingHeaderView_centreFrameWithoutAnimation(id self, SEL _cmd);
void MRUNowPlayingHeaderView_addGestures(id self, SEL _cmd);
void MRUNowPlayingHeaderView_openNowPlayingApplication(id self, SEL _cmd);

}  // namespace lv::header
