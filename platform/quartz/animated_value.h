#pragma once
// The layer properties that animate, and their values in one plain form so that one
// animation record serves them all.
#include <array>
#include <cstdint>

#include "quartz/geometry.h"

namespace quartz {

enum class AnimatedProperty : uint8_t { Position, BoundsOrigin, BoundsSize, Opacity, Transform };

// The key (and key path) an animation of the property is stored under.
const char* keyOf(AnimatedProperty property);

struct AnimatedValue {
  std::array<double, 6> v{};
  bool operator==(const AnimatedValue&) const = default;
};

inline AnimatedValue pack(CGPoint p) { return {{p.x, p.y}}; }
inline AnimatedValue pack(CGSize s) { return {{s.width, s.height}}; }
inline AnimatedValue pack(double d) { return {{d}}; }
inline AnimatedValue pack(CGAffineTransform t) { return {{t.a, t.b, t.c, t.d, t.tx, t.ty}}; }
inline CGPoint asPoint(const AnimatedValue& a) { return {a.v[0], a.v[1]}; }
inline CGSize asSize(const AnimatedValue& a) { return {a.v[0], a.v[1]}; }
inline double asScalar(const AnimatedValue& a) { return a.v[0]; }
inline CGAffineTransform asTransform(const AnimatedValue& a) {
  return {a.v[0], a.v[1], a.v[2], a.v[3], a.v[4], a.v[5]};
}

// The value `progress` of the way from `from` to `to` (beyond 1 it overshoots).
// Transforms are interpolated as rotation, scale, shear and translation, so a turn stays
// a turn instead of shrinking through the middle.
AnimatedValue interpolate(AnimatedProperty property, const AnimatedValue& from,
                          const AnimatedValue& to, double progress);

}  // namespace quartz
