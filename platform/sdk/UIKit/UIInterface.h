#ifndef LV_SDK_UIKIT_UIINTERFACE_H
#define LV_SDK_UIKIT_UIINTERFACE_H
#include <Foundation/NSObjCRuntime.h>

NS_ENUM(NSInteger, UIUserInterfaceSizeClass){
    UIUserInterfaceSizeClassUnspecified = 0,
    UIUserInterfaceSizeClassCompact = 1,
    UIUserInterfaceSizeClassRegular = 2,
};

#endif
