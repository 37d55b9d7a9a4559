#pragma once
// The application notifications' names, as the device exports them. They exist from the
// moment the platform is loaded and live for the process.
#include "foundation/notification_center.h"

extern NSNotificationName UIApplicationWillEnterForegroundNotification;
extern NSNotificationName UIApplicationDidBecomeActiveNotification;
extern NSNotificationName UIApplicationDidChangeStatusBarOrientationNotification;

namespace uikit {
}
