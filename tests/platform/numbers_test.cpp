#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <tuple>

#include "foundation/values.h"

namespace {

// Reals become integers as the device's conversion instruction makes them: toward zero,
// saturated at the type's limits, NaN as 0.
TEST(Numbers, RealsBecomeIntegersTowardZeroSaturatedAndNaNAsZero) {
  const struct { double real; long asLong; int asInt; } cases[] = {
      {2.9, 2, 2}, {-2.9, -2, -2}, {NAN, 0, 0}, {-NAN, 0, 0}, {3e9, 3000000000, INT_MAX},
      {INFINITY, LONG_MAX, INT_MAX}, {-INFINITY, LONG_MIN, INT_MIN}, {-2147483648.9, -2147483648, INT_MIN},
      {0x1p63, LONG_MAX, INT_MAX}, {-0x1p63, LONG_MIN, INT_MIN}, {0x1.fffffffffffffp62, 0x7ffffffffffffc00, INT_MAX},
      {1e300, LONG_MAX, INT_MAX}, {-1e300, LONG_MIN, INT_MIN}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.real);
    id n = fnd::number(c.real);
    EXPECT_EQ(std::tuple(send<long>(n, "longValue"_sel), send<long>(n, "integerValue"_sel), send<int>(n, "intValue"_sel)),
              std::tuple(c.asLong, c.asLong, c.asInt));
  }
}

}  // namespace
