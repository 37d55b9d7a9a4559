#pragma once
// The application notifications' names, as the device exports them: constant strings that
// exist from the moment the platform is loaded.
#include <UIKit/UIApplication.h>

#include "foundation/notification_center.h"

extern "C" NSNotificationName const UIApplicationDidChangeStatusBarOrientationNotification;
