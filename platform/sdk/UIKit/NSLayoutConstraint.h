#ifndef LV_SDK_UIKIT_NSLAYOUTCONSTRAINT_H
#define LV_SDK_UIKIT_NSLAYOUTCONSTRAINT_H
#include <Foundation/NSObjCRuntime.h>

NS_ENUM(NSInteger, UILayoutConstraintAxis){
    UILayoutConstraintAxisHorizontal = 0,
    UILayoutConstraintAxisVertical = 1,
};

#endif
