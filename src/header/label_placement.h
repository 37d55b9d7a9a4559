#pragma once
// The header labels' horizontal places, by whether the artwork is enlarged.
#include "bridge/send.h"

namespace lv::header {

void MRUNowPlayingHeaderView_centreFrame(id self, SEL _cmd);
void MRUNowPlayingHeaderView_centreFrameWithoutAnimation(id self, SEL _cmd);

}  // namespace lv::header
