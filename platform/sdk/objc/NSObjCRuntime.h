#ifndef LV_SDK_OBJC_NSOBJCRUNTIME_H
#define LV_SDK_OBJC_NSOBJCRUNTIME_H
/* The integer types of the object interfaces (64-bit: both are long). */

typedef long NSInteger;
typedef unsigned long NSUInteger;

#endif
