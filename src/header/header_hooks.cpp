#include "header/header_hooks.h"

#include "startup/slot.h"

namespace lv::header {

void MRUNowPlayingHeaderView_layoutSubviews(id self, SEL _cmd) {
  slot<MRUNowPlayingHeaderView_layoutSubviews>(self, _cmd);
}

void MRUNowPlayingHeaderView_setFrame(id self, SEL _cmd, CGRect frame) {
  slot<MRUNowPlayingHeaderView_setFrame>(self, _cmd, frame);
}

void MRUNowPlayingHeaderView_addLVLabels(id, SEL) {}
void MRUNowPlayingHeaderView_centreFrame(id, SEL) {}
void MRUNowPlayingHeaderView_centreFrameWithoutAnimation(id, SEL) {}
void MRUNowPlayingHeaderView_addGestures(id, SEL) {}
void MRUNowPlayingHeaderView_openNowPlayingApplication(id, SEL) {}

}  // namespace lv::header
