#pragma once
// SpringBoard itself and its services: the media controller, the lock screen manager,
// and the applications that can play.
#include "uikit/responder.h"

// Launch requests are UIApplication's (uikit/application.h).
struct SpringBoard : UIApplication {
  bool finishedLaunching = false;
};

struct SBApplication : objc_object {
  Ref<> bundleIdentifier;  // NSString
};

struct SBMediaController : objc_object {
  Ref<> nowPlayingInfo;         // NSDictionary, as last set
  Ref<> nowPlayingApplication;  // SBApplication, nil when nothing plays
};

struct SBLockScreenManager : objc_object {
  long unlockRequests = 0;
};

namespace host {
void registerSpringBoard();
void registerSBApplication();
void registerSBMediaController();
void registerSBLockScreenManager();
}  // namespace host
