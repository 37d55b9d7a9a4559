#ifndef LV_SDK_QUARTZCORE_CALAYER_H
#define LV_SDK_QUARTZCORE_CALAYER_H
#include <Foundation/NSObjCRuntime.h>

/* maskedCorners */
NS_OPTIONS(NSUInteger, CACornerMask){
    kCALayerMinXMinYCorner = 1U << 0,
    kCALayerMaxXMinYCorner = 1U << 1,
    kCALayerMinXMaxYCorner = 1U << 2,
    kCALayerMaxXMaxYCorner = 1U << 3,
};

#endif
