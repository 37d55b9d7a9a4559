#ifndef LV_SDK_UIKIT_UIDEVICE_H
#define LV_SDK_UIKIT_UIDEVICE_H
#include <Foundation/NSObjCRuntime.h>

NS_ENUM(NSInteger, UIUserInterfaceIdiom){
    UIUserInterfaceIdiomUnspecified = -1,
    UIUserInterfaceIdiomPhone = 0,
    UIUserInterfaceIdiomPad = 1,
};

#endif
