#include "uikit/application_notifications.h"

#include "foundation/values.h"
#include "runtime/class_setup.h"

NSNotificationName UIApplicationWillEnterForegroundNotification = nil;
NSNotificationName UIApplicationDidBecomeActiveNotification = nil;
NSNotificationName UIApplicationDidChangeStatusBarOrientationNotification = nil;

namespace uikit {

namespace {

void registerApplicationNotifications() {
  rt::AutoreleasePool pool;
  auto name = [](const char* text) { return rt::retain(fnd::string(text)); };
  UIApplicationWillEnterForegroundNotification = name("UIApplicationWillEnterForegroundNotification");
  UIApplicationDidBecomeActiveNotification = name("UIApplicationDidBecomeActiveNotification");
  UIApplicationDidChangeStatusBarOrientationNotification =
      name("UIApplicationDidChangeStatusBarOrientationNotification");
}

LV_CLASS_SETUP(registerApplicationNotifications, "NSString");

}  // namespace

}  // namespace uikit
