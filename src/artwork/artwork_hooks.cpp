#include "artwork/artwork_hooks.h"

#include "startup/slot.h"

namespace lv::artwork {

void MRUArtworkView_didMoveToWindow(id self, SEL _cmd) {
  slot<MRUArtworkView_didMoveToWindow>(self, _cmd);
}

void MRUArtworkView_layoutSubviews(id self, SEL _cmd) {
  slot<MRUArtworkView_layoutSubviews>(self, _cmd);
}

void MRUArtworkView_updateVisibility(id self, SEL _cmd) {
  slot<MRUArtworkView_updateVisibility>(self, _cmd);
}

void MRUArtworkView_setFrame(id self, SEL _cmd, CGRect frame) {
  slot<MRUArtworkView_setFrame>(self, _cmd, frame);
}

void MRUArtworkView_addGestures(id, SEL) {}
void MRUArtworkView_handleTap(id, SEL) {}
void MRUArtworkView_handleAnimation(id, SEL) {}

}  // namespace lv::artwork
