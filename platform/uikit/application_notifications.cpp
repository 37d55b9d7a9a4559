#include "uikit/application_notifications.h"

#include "foundation/values.h"
#include "runtime/class_setup.h"

namespace {

NSConstantString g_willEnterForeground, g_didBecomeActive, g_didChangeStatusBarOrientation;

}  // namespace

extern "C" {

NSNotificationName const UIApplicationWillEnterForegroundNotification = &g_willEnterForeground.string;
NSNotificationName const UIApplicationDidBecomeActiveNotification = &g_didBecomeActive.string;
NSNotificationName const UIApplicationDidChangeStatusBarOrientationNotification =
    &g_didChangeStatusBarOrientation.string;

}

namespace uikit {

namespace {

void registerApplicationNotifications() {
  fnd::setConstantString(g_willEnterForeground, "UIApplicationWillEnterForegroundNotification");
  fnd::setConstantString(g_didBecomeActive, "UIApplicationDidBecomeActiveNotification");
  fnd::setConstantString(g_didChangeStatusBarOrientation,
                         "UIApplicationDidChangeStatusBarOrientationNotification");
}

LV_CLASS_SETUP(registerApplicationNotifications, "NSString");

}  // namespace

}  // namespace uikit
