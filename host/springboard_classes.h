#pragma once
// SpringBoard itself and its services: the application, the media controller, the lock
// screen manager, and the applications it can launch.
#include <string>
#include <vector>

#include "uikit/responder.h"

struct SpringBoard : UIApplication {
  struct Launch {
    std::string bundleIdentifier;
    bool suspended;
  };
  bool finishedLaunching = false;
  std::vector<Launch> launches;
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
