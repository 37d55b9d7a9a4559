#pragma once
// CoreGraphics geometry for the platform's C++ code: the device's structures and exported
// functions (CoreGraphics/*.h), with comparisons, encodings and the device's other helpers
// on top. Plain values, no runtime objects.
#include <CoreGraphics/CGAffineTransform.h>
#include <CoreGraphics/CGGeometry.h>

#include <algorithm>
#include <cmath>

#include "runtime/signature.h"
#include "runtime/types.h"

inline bool operator==(const CGPoint& p, const CGPoint& q) { return p.x == q.x && p.y == q.y; }
inline bool operator==(const CGSize& s, const CGSize& t) {
  return s.width == t.width && s.height == t.height;
}
inline bool operator==(const CGRect& r, const CGRect& s) {
  return r.origin == s.origin && r.size == s.size;
}
inline bool operator==(const CGAffineTransform& t, const CGAffineTransform& u) {
  return t.a == u.a && t.b == u.b && t.c == u.c && t.d == u.d && t.tx == u.tx && t.ty == u.ty;
}

LV_STRUCT_ENCODING(CGPoint, "CGPoint", &CGPoint::x, &CGPoint::y)
LV_STRUCT_ENCODING(CGSize, "CGSize", &CGSize::width, &CGSize::height)
LV_STRUCT_ENCODING(CGRect, "CGRect", &CGRect::origin, &CGRect::size)
LV_STRUCT_ENCODING(CGAffineTransform, "CGAffineTransform", &CGAffineTransform::a,
                   &CGAffineTransform::b, &CGAffineTransform::c, &CGAffineTransform::d,
                   &CGAffineTransform::tx, &CGAffineTransform::ty)

inline constexpr CGRect CGRectZero{};

inline CGRect CGRectStandardize(CGRect r) {
  if (r.size.width < 0) r.origin.x += r.size.width, r.size.width = -r.size.width;
  if (r.size.height < 0) r.origin.y += r.size.height, r.size.height = -r.size.height;
  return r;
}
inline CGFloat CGRectGetMinX(CGRect r) { return CGRectStandardize(r).origin.x; }
inline CGFloat CGRectGetWidth(CGRect r) { return std::fabs(r.size.width); }
inline CGFloat CGRectGetHeight(CGRect r) { return std::fabs(r.size.height); }
inline CGFloat CGRectGetMaxX(CGRect r) { return CGRectGetMinX(r) + CGRectGetWidth(r); }
inline CGFloat CGRectGetMaxY(CGRect r) { return CGRectGetMinY(r) + CGRectGetHeight(r); }

inline CGRect CGRectOffset(CGRect r, CGFloat dx, CGFloat dy) {
  return {{r.origin.x + dx, r.origin.y + dy}, r.size};
}

inline CGAffineTransform CGAffineTransformMakeScale(CGFloat sx, CGFloat sy) {
  return {sx, 0, 0, sy, 0, 0};
}
inline CGAffineTransform CGAffineTransformConcat(CGAffineTransform t1, CGAffineTransform t2) {
  return {t1.a * t2.a + t1.b * t2.c,       t1.a * t2.b + t1.b * t2.d,
          t1.c * t2.a + t1.d * t2.c,       t1.c * t2.b + t1.d * t2.d,
          t1.tx * t2.a + t1.ty * t2.c + t2.tx, t1.tx * t2.b + t1.ty * t2.d + t2.ty};
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
