#ifndef LV_SDK_FOUNDATION_NSSTRING_H
#define LV_SDK_FOUNDATION_NSSTRING_H
/* Strings are objects; C callers hold them as `id`. */
#include <objc/objc.h>

typedef id NSNotificationName;

#endif
