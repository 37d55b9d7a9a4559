#include "header/label_view_hooks.h"

#include "startup/slot.h"

namespace lv::header {

void MRUNowPlayingTransportControlsView_setFrame(id self, SEL _cmd, CGRect frame) {
  slot<MRUNowPlayingTransportControlsView_setFrame>(self, _cmd, frame);
}

void MRUNowPlayingLabelView_didMoveToWindow(id self, SEL _cmd) {
  slot<MRUNowPlayingLabelView_didMoveToWindow>(self, _cmd);
}

void MRUNowPlayingLabelView_addGestures(id, SEL) {}
void MRUNowPlayingLabelView_openNowPlayingApplication(id, SEL) {}

void MRUNowPlayingLabelView_setFrame(id self, SEL _cmd, CGRect frame) {
  slot<MRUNowPlayingLabelView_setFrame>(self, _cmd, frame);
}

}  // namespace lv::header
