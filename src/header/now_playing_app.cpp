#include "header/now_playing_app.h"

#include "startup/host_values.h"
#include "startup/view_messages.h"

void lv::header::openNowPlayingApplication() {
  static const Class mediaController = objc_getClass("SBMediaController");
  id application = send<id>(send<id>(mediaController, "sharedInstance"_sel), "nowPlayingApplication"_sel);
  if (!application) return;
  send<bool>(send<id>(objc_getClass("UIApplication"), "sharedApplication"_sel),
             "launchApplicationWithIdentifier:suspended:"_sel, send<id>(application, "bundleIdentifier"_sel), false);
  send<void>(send<id>(objc_getClass("SBLockScreenManager"), "sharedInstance"_sel),
             "lockScreenViewControllerRequestsUnlock"_sel);
}

void lv::header::MRUNowPlayingHeaderView_addGestures(id self, SEL) {
  if (!inPlatterLayout(self)) return;
  for (SEL label : {"titleLabel"_sel, "artistLabel"_sel}) {
    id view = send<id>(self, label);
    if (!view) continue;
    addTap(view, self, "openNowPlayingApplication"_sel);
    send<void>(view, "setUserInteractionEnabled:"_sel, true);
  }
}

void lv::header::MRUNowPlayingHeaderView_openNowPlayingApplication(id, SEL) { openNowPlayingApplication(); }

void lv::header::MRUNowPlayingLabelView_addGestures(id self, SEL) {
  if (!inPlatterLayout(self)) return;
  addTap(self, self, "openNowPlayingApplication"_sel);
}

void lv::header::MRUNowPlayingLabelView_openNowPlayingApplication(id, SEL) { openNowPlayingApplication(); }
