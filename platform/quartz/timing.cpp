#include "quartz/timing.h"

#include <algorithm>
#include <cmath>

namespace quartz {

namespace {

// A spring counts as settled once its motion has decayed to this fraction.
constexpr double kSettled = 1e-4;
constexpr double kSmallestRatio = 0.01;
// Beyond this the fast decay of an overdamped spring is over within the first rounding
// step, so larger ratios (infinity included) move exactly as it does.
constexpr double kLargestRatio = 1e12;

double cubic(double p1, double p2, double t) {
  double u = 1 - t;
  return 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t;
}

double cubicSlope(double p1, double p2, double t) {
  double u = 1 - t;
  return 3 * u * u * p1 + 6 * u * t * (p2 - p1) + 3 * t * t * (1 - p2);
}

// The curve parameter whose x is `x`: Newton's method, with bisection when it stalls.
double solveForX(double x1, double x2, double x) {
  double t = x;
  for (int i = 0; i < 8; ++i) {
    double error = cubic(x1, x2, t) - x;
    if (std::fabs(error) < 1e-9) return t;
    double slope = cubicSlope(x1, x2, t);
    if (std::fabs(slope) < 1e-9) break;
    t -= error / slope;
  }
  double lo = 0, hi = 1;
  t = x;
  for (int i = 0; i < 60 && hi - lo > 1e-12; ++i) {
    if (cubic(x1, x2, t) < x) lo = t;
    else hi = t;
    t = (lo + hi) / 2;
  }
  return t;
}

// Displacement from rest (−1 at the start) of a unit-mass spring after t seconds.
double springOffset(const TimingCurve& c, double t) {
  double z = c.dampingRatio, w = c.omega, v = c.initialVelocity;
  if (z < 1) {
    double wd = w * std::sqrt(1 - z * z);
    return std::exp(-z * w * t) * (-std::cos(wd * t) + (v - z * w) / wd * std::sin(wd * t));
  }
  if (z == 1) return std::exp(-w * t) * (-1 + (v - w) * t);
  // The decay rates ω(ζ ∓ √(ζ²−1)), the slow one written without cancellation.
  double sum = z + std::sqrt((z - 1) * (z + 1));
  double slow = w / sum, fast = w * sum;
  double c1 = (v - fast) / (fast - slow);
  return c1 * std::exp(-slow * t) + (-1 - c1) * std::exp(-fast * t);
}

// The slowest decay rate over ω: ζ when it oscillates, else ζ − √(ζ²−1).
double slowestRate(double z) { return z < 1 ? z : 1 / (z + std::sqrt((z - 1) * (z + 1))); }

}  // namespace

TimingCurve TimingCurve::bezier(double x1, double y1, double x2, double y2) {
  TimingCurve c;
  c.x1 = std::clamp(x1, 0.0, 1.0);
  c.y1 = y1;
  c.x2 = std::clamp(x2, 0.0, 1.0);
  c.y2 = y2;
  return c;
}

TimingCurve TimingCurve::spring(double dampingRatio, double initialVelocity, double duration) {
  TimingCurve c;
  c.kind = Kind::Spring;
  c.dampingRatio = dampingRatio > kSmallestRatio ? std::min(dampingRatio, kLargestRatio) : kSmallestRatio;
  c.initialVelocity = std::isfinite(initialVelocity) ? initialVelocity : 0;
  // The slowest motion reaches kSettled at the end.
  c.omega = duration > 0 && std::isfinite(duration)
                ? std::log(1 / kSettled) / (slowestRate(c.dampingRatio) * duration)
                : 0;
  return c;
}

double TimingCurve::progress(double elapsed, double duration) const {
  if (!(duration > 0) || elapsed >= duration) return 1;
  if (elapsed <= 0 || std::isinf(duration)) return 0;
  if (kind == Kind::Spring) return 1 + springOffset(*this, elapsed);
  double x = elapsed / duration;
  if (x1 == y1 && x2 == y2) return x;
  return cubic(y1, y2, solveForX(x1, x2, x));
}

}  // namespace quartz
