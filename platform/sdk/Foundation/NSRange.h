#ifndef LV_SDK_FOUNDATION_NSRANGE_H
#define LV_SDK_FOUNDATION_NSRANGE_H
#include <objc/NSObjCRuntime.h>

typedef struct _NSRange {
  NSUInteger location;
  NSUInteger length;
} NSRange;

static inline NSRange NSMakeRange(NSUInteger location, NSUInteger length) {
  NSRange r = {location, length};
  return r;
}

#endif
