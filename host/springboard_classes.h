#pragma once
// SpringBoard itself and its services: the media controller, the lock screen manager,
// the applications that can play, and the wallpaper under the lock screen.
#include <functional>

#include "uikit/responder.h"
#include "uikit/view.h"

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
  std::function<void()> answer;  // how the lock screen answers a request; may be empty
};

// Its picture is the screen's to draw; the lock screen gives it the picture's main colour
// as its background.
struct SBFStaticWallpaperView : UIView {};

namespace lv::host {
void registerSpringBoard();
void registerSBApplication();
void registerSBMediaController();
void registerSBLockScreenManager();
void registerSBFStaticWallpaperView();
}  // namespace lv::host
