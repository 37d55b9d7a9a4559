#include "quartz/geometry.h"

extern "C" {

const CGAffineTransform CGAffineTransformIdentity = {1, 0, 0, 1, 0, 0};

CGFloat CGRectGetMinY(CGRect r) { return CGRectStandardize(r).origin.y; }

CGFloat CGRectGetMidX(CGRect r) { return CGRectGetMinX(r) + CGRectGetWidth(r) / 2; }

CGFloat CGRectGetMidY(CGRect r) { return CGRectGetMinY(r) + CGRectGetHeight(r) / 2; }

bool CGRectContainsPoint(CGRect r, CGPoint p) {
  r = CGRectStandardize(r);
  return p.x >= r.origin.x && p.x < r.origin.x + r.size.width && p.y >= r.origin.y &&
         p.y < r.origin.y + r.size.height;
}

CGAffineTransform CGAffineTransformScale(CGAffineTransform t, CGFloat sx, CGFloat sy) {
  return CGAffineTransformConcat(CGAffineTransformMakeScale(sx, sy), t);
}

}
