#pragma once
// The cover sheet's artwork background: replacements installed by the first initialiser.
#include <CoreGraphics/CGGeometry.h>

#include "bridge/send.h"

namespace lv::layout {

id CSCoverSheetView_initWithFrame(id self, SEL _cmd, CGRect frame);
void CSAdjunctItemView_removeFromSuperview(id self, SEL _cmd);
void SBMediaController_setNowPlayingInfo(id self, SEL _cmd, id info);
void SpringBoard_applicationDidFinishLaunching(id self, SEL _cmd, id application);

}  // namespace lv::layout
