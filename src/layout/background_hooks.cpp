#include "layout/background_hooks.h"

#include "startup/slot.h"

namespace lv::layout {

id CSCoverSheetView_initWithFrame(id self, SEL _cmd, CGRect frame) {
  return slot<CSCoverSheetView_initWithFrame>(self, _cmd, frame);
}

void CSAdjunctItemView_removeFromSuperview(id self, SEL _cmd) {
  slot<CSAdjunctItemView_removeFromSuperview>(self, _cmd);
}

void SBMediaController_setNowPlayingInfo(id self, SEL _cmd, id info) {
  slot<SBMediaController_setNowPlayingInfo>(self, _cmd, info);
}

void SpringBoard_applicationDidFinishLaunching(id self, SEL _cmd, id application) {
  slot<SpringBoard_applicationDidFinishLaunching>(self, _cmd, application);
}

}  // namespace lv::layout
