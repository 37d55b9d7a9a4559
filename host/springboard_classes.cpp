#include "host/springboard_classes.h"

#include "foundation/values.h"
#include "host/class_helpers.h"
#include "host/cover_sheet_classes.h"
#include "host/now_playing_info.h"
#include "mediaremote/now_playing.h"

namespace lv::host {

namespace {

void SpringBoard_applicationDidFinishLaunching(id self, SEL, id) {
  static_cast<SpringBoard*>(self)->finishedLaunching = true;
}

// The app that plays is the one the information names; without one nothing plays.
Ref<> playingApplication(id info) {
  id bundleIdentifier = readNowPlayingInfo(info).bundleIdentifier;
  if (!bundleIdentifier) return nil;
  Ref<> app = rt::create(objc_getClass("SBApplication"));
  send<void>(app, "setBundleIdentifier:"_sel, bundleIdentifier);
  return app;
}

void SBMediaController_setNowPlayingInfo(id self, SEL, id info) {
  auto* controller = static_cast<SBMediaController*>(self);
  controller->nowPlayingInfo = Ref<>::retain(info);
  controller->nowPlayingApplication = playingApplication(info);
  send<void>(send<id>(objc_getClass("NSNotificationCenter"), "defaultCenter"_sel),
             "postNotificationName:object:"_sel, fnd::string(kNowPlayingInfoDidChangeNotification), self);
}

// What MediaRemote answers: the information the media controller holds.
id currentNowPlayingInfo() {
  id controller = send<id>(objc_getClass("SBMediaController"), "sharedInstance"_sel);
  return send<id>(controller, "nowPlayingInfo"_sel);
}

void SBLockScreenManager_requestsUnlock(id self, SEL) {
  auto* manager = static_cast<SBLockScreenManager*>(self);
  ++manager->unlockRequests;
  if (manager->answer) manager->answer();
}

}  // namespace

}  // namespace lv::host

void lv::host::registerSpringBoard() {
  Class cls = rt::defineClass<SpringBoard>("SpringBoard", "UIApplication");
  rt::addMethod(cls, "applicationDidFinishLaunching:"_sel, SpringBoard_applicationDidFinishLaunching);
}

void lv::host::registerSBApplication() {
  Class cls = rt::defineClass<SBApplication>("SBApplication", "NSObject");
  rt::addMethod(cls, "bundleIdentifier"_sel, rt::objectGetter<&SBApplication::bundleIdentifier>);
  rt::addMethod(cls, "setBundleIdentifier:"_sel, rt::objectSetter<&SBApplication::bundleIdentifier>);
}

void lv::host::registerSBMediaController() {
  Class cls = rt::defineClass<SBMediaController>("SBMediaController", "NSObject");
  rt::addClassMethod(cls, "sharedInstance"_sel, sharedInstance<"SBMediaController">);
  rt::addMethod(cls, "setNowPlayingInfo:"_sel, SBMediaController_setNowPlayingInfo);
  rt::addMethod(cls, "nowPlayingInfo"_sel, rt::objectGetter<&SBMediaController::nowPlayingInfo>);
  rt::addMethod(cls, "nowPlayingApplication"_sel, rt::objectGetter<&SBMediaController::nowPlayingApplication>);
  rt::addMethod(cls, "setNowPlayingApplication:"_sel, rt::objectSetter<&SBMediaController::nowPlayingApplication>);
  mediaremote::setNowPlayingSource(currentNowPlayingInfo);
}

void lv::host::registerSBLockScreenManager() {
  Class cls = rt::defineClass<SBLockScreenManager>("SBLockScreenManager", "NSObject");
  rt::addClassMethod(cls, "sharedInstance"_sel, sharedInstance<"SBLockScreenManager">);
  rt::addMethod(cls, "lockScreenViewControllerRequestsUnlock"_sel, SBLockScreenManager_requestsUnlock);
  rt::addMethod(cls, "unlockRequests"_sel, rt::fieldGetter<&SBLockScreenManager::unlockRequests>);
}

void lv::host::registerSBFStaticWallpaperView() {
  rt::defineClass<SBFStaticWallpaperView>("SBFStaticWallpaperView", "UIView");
}
