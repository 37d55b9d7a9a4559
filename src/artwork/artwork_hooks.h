#pragma once
// The artwork view: a small square that a tap enlarges, and back.
#include <CoreGraphics/CGGeometry.h>

#include "bridge/send.h"

namespace lv::artwork {

void MRUArtworkView_didMoveToWindow(id self, SEL _cmd);
void MRUArtworkView_layoutSubviews(id self, SEL _cmd);
void MRUArtworkView_updateVisibility(id self, SEL _cmd);
void MRUArtworkView_setFrame(id self, SEL _cmd, CGRect frame);
void MRUArtworkView_addGestures(id self, SEL _cmd);
void MRUArtworkView_handleTap(id self, SEL _cmd);
void MRUArtworkView_handleAnimation(id self, SEL _cmd);

}  // namespace lv::artwork
