#ifndef LV_SDK_COREGRAPHICS_CGGEOMETRY_H
#define LV_SDK_COREGRAPHICS_CGGEOMETRY_H
/* Geometry values for C callers, laid out as on the device (64-bit: CGFloat is a double). */

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

static inline CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height) {
  CGRect r = {{x, y}, {width, height}};
  return r;
}

#endif
