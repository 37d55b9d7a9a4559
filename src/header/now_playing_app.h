#pragma once
// Opening the application that is playing, the action of the header's and the host label
// view's taps.
#include "bridge/send.h"

namespace lv::header {

// Brings the now-playing application to the front, then asks the lock screen to unlock;
// does nothing when nothing plays.
void openNowPlayingApplication();

// The taps on the header's labels and on the host label view, and their action.
void MRUNowPlayingHeaderView_addGestures(id self, SEL _cmd);
void MRUNowPlayingHeaderView_openNowPlayingApplication(id self, SEL _cmd);
void MRUNowPlayingLabelView_addGestures(id self, SEL _cmd);
void MRUNowPlayingLabelView_openNowPlayingApplication(id self, SEL _cmd);

}  // namespace lv::header
