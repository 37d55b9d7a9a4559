#ifndef LV_SDK_COREGRAPHICS_CGAFFINETRANSFORM_H
#define LV_SDK_COREGRAPHICS_CGAFFINETRANSFORM_H
/* x' = a·x + c·y + tx, y' = b·x + d·y + ty */
#include <CoreGraphics/CGGeometry.h>

#ifdef __cplusplus
extern "C" {
#endif

struct CGAffineTransform {
  CGFloat a, b, c, d;
  CGFloat tx, ty;
};
typedef struct CGAffineTransform CGAffineTransform;

extern const CGAffineTransform CGAffineTransformIdentity;

/* Scales first, then applies `t`. */
CGAffineTransform CGAffineTransformScale(CGAffineTransform t, CGFloat sx, CGFloat sy);

#ifdef __cplusplus
}
#endif

#endif
