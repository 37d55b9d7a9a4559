#ifndef LV_SDK_UIKIT_UIFONTDESCRIPTOR_H
#define LV_SDK_UIKIT_UIFONTDESCRIPTOR_H
#include <CoreGraphics/CGGeometry.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef CGFloat UIFontWeight;

extern const UIFontWeight UIFontWeightRegular;
extern const UIFontWeight UIFontWeightMedium;

#ifdef __cplusplus
}
#endif

#endif
