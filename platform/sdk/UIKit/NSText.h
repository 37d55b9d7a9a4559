#ifndef LV_SDK_UIKIT_NSTEXT_H
#define LV_SDK_UIKIT_NSTEXT_H
#include <Foundation/NSObjCRuntime.h>

NS_ENUM(NSInteger, NSTextAlignment){
    NSTextAlignmentLeft = 0,
    NSTextAlignmentCenter = 1,
    NSTextAlignmentRight = 2,
    NSTextAlignmentJustified = 3,
    NSTextAlignmentNatural = 4,
};

#endif
