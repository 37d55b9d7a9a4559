#include "tools/lvsim/core/color_difference.h"

#include <array>
#include <cmath>
#include <numbers>

namespace lv::sim {

namespace {

struct Lab {
  double l, a, b;
};

double linear(uint8_t component) {
  static const std::array<double, 256> table = [] {
    std::array<double, 256> values{};
    for (int i = 0; i < 256; ++i) {
      double c = i / 255.0;
      values[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    return values;
  }();
  return table[component];
}

double labPart(double t) {
  constexpr double kEpsilon = 216.0 / 24389.0, kKappa = 24389.0 / 27.0;
  return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16) / 116;
}

Lab lab(const uint8_t* rgb) {
  double r = linear(rgb[0]), g = linear(rgb[1]), b = linear(rgb[2]);
  double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
  double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
  double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
  double fx = labPart(x), fy = labPart(y), fz = labPart(z);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double degrees(double radians) { return radians * 180 / std::numbers::pi; }
double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// The hue angle in degrees, 0 to 360.
double hue(double b, double a) {
  if (a == 0 && b == 0) return 0;
  double h = degrees(std::atan2(b, a));
  return h < 0 ? h + 360 : h;
}

}  // namespace

}  // namespace lv::sim

double lv::sim::deltaE2000(const uint8_t* rgb1, const uint8_t* rgb2) {
  const Lab p = lab(rgb1), q = lab(rgb2);
  const double pow25to7 = 6103515625.0;
  double meanC = (std::hypot(p.a, p.b) + std::hypot(q.a, q.b)) / 2;
  double c7 = std::pow(meanC, 7);
  double g = 0.5 * (1 - std::sqrt(c7 / (c7 + pow25to7)));
  double a1 = (1 + g) * p.a, a2 = (1 + g) * q.a;
  double c1 = std::hypot(a1, p.b), c2 = std::hypot(a2, q.b);
  double h1 = hue(p.b, a1), h2 = hue(q.b, a2);
  double dL = q.l - p.l, dC = c2 - c1;
  double dh = 0;
  if (c1 * c2 != 0) {
    dh = h2 - h1;
    if (dh > 180) dh -= 360;
    else if (dh < -180) dh += 360;
  }
  double dH = 2 * std::sqrt(c1 * c2) * std::sin(radians(dh / 2));
  double meanL = (p.l + q.l) / 2, meanC2 = (c1 + c2) / 2;
  double meanH = h1 + h2;
  if (c1 * c2 != 0) {
    if (std::abs(h1 - h2) <= 180) meanH /= 2;
    else meanH = h1 + h2 < 360 ? (meanH + 360) / 2 : (meanH - 360) / 2;
  }
  double t = 1 - 0.17 * std::cos(radians(meanH - 30)) + 0.24 * std::cos(radians(2 * meanH)) +
             0.32 * std::cos(radians(3 * meanH + 6)) - 0.20 * std::cos(radians(4 * meanH - 63));
  double dTheta = 30 * std::exp(-std::pow((meanH - 275) / 25, 2));
  double meanC7 = std::pow(meanC2, 7);
  double rc = 2 * std::sqrt(meanC7 / (meanC7 + pow25to7));
  double l50 = (meanL - 50) * (meanL - 50);
  double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50), sc = 1 + 0.045 * meanC2, sh = 1 + 0.015 * meanC2 * t;
  double rt = -std::sin(radians(2 * dTheta)) * rc;
  double l = dL / sl, c = dC / sc, h = dH / sh;
  return std::sqrt(l * l + c * c + h * h + rt * c * h);
}
