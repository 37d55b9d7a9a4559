#ifndef LV_SDK_UIKIT_UIGEOMETRY_H
#define LV_SDK_UIKIT_UIGEOMETRY_H
#include <CoreGraphics/CGGeometry.h>

typedef struct UIEdgeInsets {
  CGFloat top, left, bottom, right;
} UIEdgeInsets;

#endif
