#include "quartz/animated_value.h"

#include <cmath>

namespace quartz {

namespace {

// M = R(angle) · [[scaleX, shear], [0, scaleY]], then the translation.
struct Decomposed {
  double angle, scaleX, scaleY, shear, tx, ty;
};

Decomposed decompose(const CGAffineTransform& t) {
  double sx = std::hypot(t.a, t.b);
  double angle = sx > 0 ? std::atan2(t.b, t.a) : 0;
  double c = std::cos(angle), s = std::sin(angle);
  return {angle, sx, -t.c * s + t.d * c, t.c * c + t.d * s, t.tx, t.ty};
}

CGAffineTransform recompose(const Decomposed& d) {
  double c = std::cos(d.angle), s = std::sin(d.angle);
  return {d.scaleX * c, d.scaleX * s, d.shear * c - d.scaleY * s, d.shear * s + d.scaleY * c,
          d.tx, d.ty};
}

double lerp(double a, double b, double p) { return a + (b - a) * p; }

AnimatedValue interpolateTransform(const AnimatedValue& from, const AnimatedValue& to, double p) {
  Decomposed a = decompose(asTransform(from)), b = decompose(asTransform(to));
  // Turn the short way round.
  if (b.angle - a.angle > M_PI) a.angle += 2 * M_PI;
  else if (a.angle - b.angle > M_PI) b.angle += 2 * M_PI;
  return pack(recompose({lerp(a.angle, b.angle, p), lerp(a.scaleX, b.scaleX, p),
                         lerp(a.scaleY, b.scaleY, p), lerp(a.shear, b.shear, p),
                         lerp(a.tx, b.tx, p), lerp(a.ty, b.ty, p)}));
}

}  // namespace

const char* keyOf(AnimatedProperty property) {
  switch (property) {
    case AnimatedProperty::Position: return "position";
    case AnimatedProperty::BoundsOrigin: return "bounds.origin";
    case AnimatedProperty::BoundsSize: return "bounds.size";
    case AnimatedProperty::Opacity: return "opacity";
    case AnimatedProperty::Transform: return "transform";
  }
  return "";
}

AnimatedValue interpolate(AnimatedProperty property, const AnimatedValue& from,
                          const AnimatedValue& to, double progress) {
  if (progress == 0) return from;
  if (progress == 1) return to;
  if (property == AnimatedProperty::Transform) return interpolateTransform(from, to, progress);
  AnimatedValue out;
  for (size_t i = 0; i < out.v.size(); ++i) out.v[i] = lerp(from.v[i], to.v[i], progress);
  return out;
}

}  // namespace quartz
