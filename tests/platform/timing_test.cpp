#include <gtest/gtest.h>

#include <cmath>

#include "quartz/timing.h"

namespace {

using quartz::TimingCurve;

TEST(Timing, NamedCurvesMatchTheirCubicBeziersAndSpringsSettle) {
  // Reference values of the cubic Béziers at half time.
  EXPECT_NEAR(TimingCurve::easeIn().progress(0.5, 1), 0.3153, 1e-4);
  EXPECT_NEAR(TimingCurve::easeOut().progress(0.5, 1), 0.6847, 1e-4);
  EXPECT_NEAR(TimingCurve::easeInEaseOut().progress(0.5, 1), 0.5, 1e-9);
  EXPECT_EQ(TimingCurve::linear().progress(0.3, 1.2), 0.25);
  for (const TimingCurve& c : {TimingCurve::easeIn(), TimingCurve::spring(0.7, 0.2, 0.5)}) {
    EXPECT_EQ(c.progress(0, 0.5), 0);
    EXPECT_EQ(c.progress(0.5, 0.5), 1);
    EXPECT_EQ(c.progress(0.1, 0), 1);
    EXPECT_EQ(c.progress(3, INFINITY), 0);
  }
  // Springs of any damping ratio settle within their duration; only the underdamped overshoot.
  for (double ratio : {0.0, 0.3, 0.7, 1.0, 2.0, 1e8, double(INFINITY), double(NAN)}) {
    TimingCurve c = TimingCurve::spring(ratio, 0.2, 0.5);
    EXPECT_NEAR(c.progress(0.499, 0.5), 1, 0.002) << ratio;
    double peak = 0;
    for (double t = 0; t < 0.5; t += 0.001) peak = std::max(peak, c.progress(t, 0.5));
    if (ratio >= 1) EXPECT_LE(peak, 1.0) << ratio;
    else EXPECT_GT(peak, 1.0) << ratio;
  }
}

}  // namespace
