#pragma once
// The header's own title and artist labels, in a stack where the host label view sits.
#include "bridge/send.h"

namespace lv::header {

void MRUNowPlayingHeaderView_addLVLabels(id self, SEL _cmd);

}  // namespace lv::header
