#include "uikit/application_notifications.h"

#include "foundation/values.h"

NSNotificationName UIApplicationWillEnterForegroundNotification = nil;
NSNotificationName UIApplicationDidBecomeActiveNotification = nil;
NSNotificationName UIApplicationDidChangeStatusBarOrientationNotification = nil;

namespace uikit {

void registerApplicationNotifications() {
  if (UIApplicationWillEnterForegroundNotification) return;
  rt::AutoreleasePool pool;
  auto name = [](const char* text) { return rt::retain(fnd::string(text)); };
  UIApplicationWillEnterForegroundNotification = name("UIApplicationWillEnterForegroundNotification");
  UIApplicationDidBecomeActiveNotification = name("UIApplicationDidBecomeActiveNotification");
  UIApplicationDidChangeStatusBarOrientationNotification =
      name("UIApplicationDidChangeStatusBarOrientationNotification");
}

}  // namespace uikit
