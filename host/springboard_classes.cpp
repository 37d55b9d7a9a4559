#include "host/springboard_classes.h"

#include "host/class_helpers.h"

namespace host {

namespace {

void SpringBoard_applicationDidFinishLaunching(id self, SEL, id) {
  static_cast<SpringBoard*>(self)->finishedLaunching = true;
}

void SBMediaController_setNowPlayingInfo(id self, SEL, id info) {
  static_cast<SBMediaController*>(self)->nowPlayingInfo = info;
}

void SBLockScreenManager_requestsUnlock(id self, SEL) {
  ++static_cast<SBLockScreenManager*>(self)->unlockRequests;
}

}  // namespace

void registerSpringBoard() {
  Class cls = rt::defineClass<SpringBoard>("SpringBoard", objc_getClass("UIApplication"));
  rt::addMethod(cls, "applicationDidFinishLaunching:"_sel, SpringBoard_applicationDidFinishLaunching);
}

void registerSBApplication() {
  Class cls = rt::defineClass<SBApplication>("SBApplication", rt::rootClass());
  rt::addMethod(cls, "bundleIdentifier"_sel, rt::objectGetter<&SBApplication::bundleIdentifier>);
  rt::addMethod(cls, "setBundleIdentifier:"_sel, rt::objectSetter<&SBApplication::bundleIdentifier>);
}

void registerSBMediaController() {
  Class cls = rt::defineClass<SBMediaController>("SBMediaController", rt::rootClass());
  rt::addClassMethod(cls, "sharedInstance"_sel, sharedInstance<"SBMediaController">);
  rt::addMethod(cls, "setNowPlayingInfo:"_sel, SBMediaController_setNowPlayingInfo);
  rt::addMethod(cls, "nowPlayingInfo"_sel, rt::objectGetter<&SBMediaController::nowPlayingInfo>);
  rt::addMethod(cls, "nowPlayingApplication"_sel, rt::objectGetter<&SBMediaController::nowPlayingApplication>);
  rt::addMethod(cls, "setNowPlayingApplication:"_sel, rt::objectSetter<&SBMediaController::nowPlayingApplication>);
}

void registerSBLockScreenManager() {
  Class cls = rt::defineClass<SBLockScreenManager>("SBLockScreenManager", rt::rootClass());
  rt::addClassMethod(cls, "sharedInstance"_sel, sharedInstance<"SBLockScreenManager">);
  rt::addMethod(cls, "lockScreenViewControllerRequestsUnlock"_sel, SBLockScreenManager_requestsUnlock);
  rt::addMethod(cls, "unlockRequests"_sel, rt::fieldGetter<&SBLockScreenManager::unlockRequests>);
}

}  // namespace host
