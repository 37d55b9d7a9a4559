#ifndef LV_SDK_UIKIT_UIAPPLICATION_H
#define LV_SDK_UIKIT_UIAPPLICATION_H
#include <Foundation/NSString.h>

#ifdef __cplusplus
extern "C" {
#endif

extern NSNotificationName const UIApplicationDidBecomeActiveNotification;
extern NSNotificationName const UIApplicationWillEnterForegroundNotification;

#ifdef __cplusplus
}
#endif

#endif
