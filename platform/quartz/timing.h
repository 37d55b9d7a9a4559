#pragma once
// Timing curves: how far an animation has got (0 at its start, 1 at its end) after some
// time. Cubic Béziers as QuartzCore's named timing functions, and a damped spring that
// settles at the end of its duration.
#include <cstdint>

namespace quartz {

struct TimingCurve {
  enum class Kind : uint8_t { Bezier, Spring };
  Kind kind = Kind::Bezier;
  // Bézier control points; (0,0,1,1) is linear.
  double x1 = 0, y1 = 0, x2 = 1, y2 = 1;
  // Spring: damping ratio, initial velocity in animation lengths per second, and the
  // natural frequency that makes it settle within the duration.
  double dampingRatio = 1, initialVelocity = 0, omega = 0;

  static TimingCurve linear() { return {}; }
  static TimingCurve easeInEaseOut() { return bezier(0.42, 0, 0.58, 1); }
  static TimingCurve easeIn() { return bezier(0.42, 0, 1, 1); }
  static TimingCurve easeOut() { return bezier(0, 0, 0.58, 1); }
  static TimingCurve bezier(double x1, double y1, double x2, double y2);
  // A ratio of 1 or more does not overshoot; below 1 it does, less the nearer it is to 1.
  // Ratios that are not positive numbers are taken as the smallest positive one; ratios
  // of 1e12 or more (infinity included) as 1e12, which moves as an infinite one does.
  static TimingCurve spring(double dampingRatio, double initialVelocity, double duration);

  // Progress after `elapsed` seconds of an animation lasting `duration`: exactly 0 at the
  // start and 1 at the end; a spring may pass beyond 1 in between.
  double progress(double elapsed, double duration) const;

  bool operator==(const TimingCurve&) const = default;
};

}  // namespace quartz
