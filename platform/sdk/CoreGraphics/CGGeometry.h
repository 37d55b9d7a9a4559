#ifndef LV_SDK_COREGRAPHICS_CGGEOMETRY_H
#define LV_SDK_COREGRAPHICS_CGGEOMETRY_H
/* Geometry values laid out as on the device (64-bit: CGFloat is a double). The makers are
 * inline, as on the device; the getters are functions the platform exports. */
#include <stdbool.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef double CGFloat;

struct CGPoint {
  CGFloat x;
  CGFloat y;
};
typedef struct CGPoint CGPoint;

struct CGSize {
  CGFloat width;
  CGFloat height;
};
typedef struct CGSize CGSize;

struct CGRect {
  CGPoint origin;
  CGSize size;
};
typedef struct CGRect CGRect;

static inline CGPoint CGPointMake(CGFloat x, CGFloat y) {
  CGPoint p = {x, y};
  return p;
}

static inline CGSize CGSizeMake(CGFloat width, CGFloat height) {
  CGSize s = {width, height};
  return s;
}

static inline CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height) {
  CGRect r = {{x, y}, {width, height}};
  return r;
}

/* Of the rectangle with a non-negative width and height that covers the same points. */
CGFloat CGRectGetMinY(CGRect rect);
CGFloat CGRectGetMidX(CGRect rect);
CGFloat CGRectGetMidY(CGRect rect);

/* Half-open: a point on the far edges is outside. */
bool CGRectContainsPoint(CGRect rect, CGPoint point);

#ifdef __cplusplus
}
#endif

#endif
