#pragma once
// CoreGraphics geometry: points, sizes, rectangles and affine transforms, with the helper
// functions the device offers. Plain values, no runtime objects.
#include <algorithm>
#include <cmath>

#include "runtime/signature.h"
#include "runtime/types.h"

struct CGPoint {
  CGFloat x = 0, y = 0;
  bool operator==(const CGPoint&) const = default;
};
LV_STRUCT_ENCODING(CGPoint, "CGPoint", &CGPoint::x, &CGPoint::y)

struct CGSize {
  CGFloat width = 0, height = 0;
  bool operator==(const CGSize&) const = default;
};
LV_STRUCT_ENCODING(CGSize, "CGSize", &CGSize::width, &CGSize::height)

struct CGRect {
  CGPoint origin;
  CGSize size;
  bool operator==(const CGRect&) const = default;
};
LV_STRUCT_ENCODING(CGRect, "CGRect", &CGRect::origin, &CGRect::size)

// x' = a·x + c·y + tx, y' = b·x + d·y + ty
struct CGAffineTransform {
  CGFloat a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
  bool operator==(const CGAffineTransform&) const = default;
};
LV_STRUCT_ENCODING(CGAffineTransform, "CGAffineTransform", &CGAffineTransform::a,
                   &CGAffineTransform::b, &CGAffineTransform::c, &CGAffineTransform::d,
                   &CGAffineTransform::tx, &CGAffineTransform::ty)

inline constexpr CGAffineTransform CGAffineTransformIdentity{};
inline constexpr CGRect CGRectZero{};

inline CGPoint CGPointMake(CGFloat x, CGFloat y) { return {x, y}; }
inline CGSize CGSizeMake(CGFloat w, CGFloat h) { return {w, h}; }
inline CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat w, CGFloat h) { return {{x, y}, {w, h}}; }

inline CGRect CGRectStandardize(CGRect r) {
  if (r.size.width < 0) r.origin.x += r.size.width, r.size.width = -r.size.width;
  if (r.size.height < 0) r.origin.y += r.size.height, r.size.height = -r.size.height;
  return r;
}
inline CGFloat CGRectGetMinX(CGRect r) { return CGRectStandardize(r).origin.x; }
inline CGFloat CGRectGetMinY(CGRect r) { return CGRectStandardize(r).origin.y; }
inline CGFloat CGRectGetWidth(CGRect r) { return std::fabs(r.size.width); }
inline CGFloat CGRectGetHeight(CGRect r) { return std::fabs(r.size.height); }
inline CGFloat CGRectGetMidX(CGRect r) { return CGRectGetMinX(r) + CGRectGetWidth(r) / 2; }
inline CGFloat CGRectGetMidY(CGRect r) { return CGRectGetMinY(r) + CGRectGetHeight(r) / 2; }
inline CGFloat CGRectGetMaxX(CGRect r) { return CGRectGetMinX(r) + CGRectGetWidth(r); }
inline CGFloat CGRectGetMaxY(CGRect r) { return CGRectGetMinY(r) + CGRectGetHeight(r); }

inline CGRect CGRectOffset(CGRect r, CGFloat dx, CGFloat dy) {
  return {{r.origin.x + dx, r.origin.y + dy}, r.size};
}

// Half-open on the far edges, as on the device.
inline bool CGRectContainsPoint(CGRect r, CGPoint p) {
  r = CGRectStandardize(r);
  return p.x >= r.origin.x && p.x < r.origin.x + r.size.width && p.y >= r.origin.y &&
         p.y < r.origin.y + r.size.height;
}

inline CGAffineTransform CGAffineTransformMakeScale(CGFloat sx, CGFloat sy) {
  return {sx, 0, 0, sy, 0, 0};
}
inline CGAffineTransform CGAffineTransformConcat(CGAffineTransform t1, CGAffineTransform t2) {
  return {t1.a * t2.a + t1.b * t2.c,       t1.a * t2.b + t1.b * t2.d,
          t1.c * t2.a + t1.d * t2.c,       t1.c * t2.b + t1.d * t2.d,
          t1.tx * t2.a + t1.ty * t2.c + t2.tx, t1.tx * t2.b + t1.ty * t2.d + t2.ty};
}
// Scales first, then applies `t`, as CGAffineTransformScale does.
inline CGAffineTransform CGAffineTransformScale(CGAffineTransform t, CGFloat sx, CGFloat sy) {
  return CGAffineTransformConcat(CGAffineTransformMakeScale(sx, sy), t);
}
inline CGAffineTransform CGAffineTransformMakeRotation(CGFloat angle) {
  return {std::cos(angle), std::sin(angle), -std::sin(angle), std::cos(angle), 0, 0};
}
// The inverse; a transform that cannot be inverted is returned unchanged, as on the device.
inline CGAffineTransform CGAffineTransformInvert(CGAffineTransform t) {
  CGFloat det = t.a * t.d - t.b * t.c;
  if (det == 0 || !std::isfinite(det)) return t;
  return {t.d / det, -t.b / det, -t.c / det, t.a / det, (t.c * t.ty - t.d * t.tx) / det,
          (t.b * t.tx - t.a * t.ty) / det};
}
inline bool CGAffineTransformIsIdentity(CGAffineTransform t) { return t == CGAffineTransformIdentity; }
inline CGPoint CGPointApplyAffineTransform(CGPoint p, CGAffineTransform t) {
  return {t.a * p.x + t.c * p.y + t.tx, t.b * p.x + t.d * p.y + t.ty};
}
// The bounding box of the transformed rectangle.
inline CGRect CGRectApplyAffineTransform(CGRect r, CGAffineTransform t) {
  r = CGRectStandardize(r);
  CGPoint p[4] = {CGPointApplyAffineTransform(r.origin, t),
                  CGPointApplyAffineTransform({r.origin.x + r.size.width, r.origin.y}, t),
                  CGPointApplyAffineTransform({r.origin.x, r.origin.y + r.size.height}, t),
                  CGPointApplyAffineTransform({r.origin.x + r.size.width, r.origin.y + r.size.height}, t)};
  CGFloat minX = p[0].x, maxX = p[0].x, minY = p[0].y, maxY = p[0].y;
  for (const CGPoint& q : p) {
    minX = std::min(minX, q.x), maxX = std::max(maxX, q.x);
    minY = std::min(minY, q.y), maxY = std::max(maxY, q.y);
  }
  return {{minX, minY}, {maxX - minX, maxY - minY}};
}
