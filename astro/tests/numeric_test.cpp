// Rounding, truncation and the packed degrees-and-minutes conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/astrproc.h"

namespace {

constexpr double kDeg = 3.141592653589793 / 180.0;

struct RoundCase {
  long double x;
  long double rounded;
  long double truncated;
};

TEST(NumericHelpers, RoundHalfAwayAndTruncIntTowardZero) {
  const RoundCase cases[] = {
      {0.0L, 0, 0},       {0.5L, 1, 0},      {-0.5L, -1, 0},
      {1.49L, 1, 1},      {-1.5L, -2, -1},   {2.5L, 3, 2},
      {-2.5L, -3, -2},    {2.7L, 3, 2},      {-2.7L, -3, -2},
      {-0.9L, -1, 0},     {2451545.25L, 2451545, 2451545},
      // Beyond the 32-bit range: still exact truncation toward zero.
      {3e9L + 0.75L, 3000000001, 3000000000},
      {-3e9L - 0.75L, -3000000001, -3000000000},
      {1e15L + 0.5L, 1000000000000001, 1000000000000000},
      {2147483647.9L, 2147483648, 2147483647},
      {-2147483648.9L, -2147483649, -2147483648},
  };
  for (const RoundCase& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    EXPECT_EQ(RoundHalfAway(c.x), c.rounded);
    EXPECT_EQ(TruncInt(c.x), c.truncated);
  }
}

TEST(NumericHelpers, TruncIntKeepsNonFiniteValuesWithoutUndefinedBehaviour) {
  const long double inf = std::numeric_limits<long double>::infinity();
  EXPECT_EQ(TruncInt(inf), inf);
  EXPECT_EQ(TruncInt(-inf), -inf);
  EXPECT_TRUE(std::isnan(TruncInt(std::numeric_limits<long double>::quiet_NaN())));
  EXPECT_EQ(TruncInt(1e300L), 1e300L);
}

TEST(NumericHelpers, FractionsKeepTheSignOfTheArgument) {
  EXPECT_NEAR(static_cast<double>(FracPart(-0.9L)), -0.9, 1e-15);
  EXPECT_NEAR(static_cast<double>(FracPart(-2.75L)), -0.75, 1e-15);
  EXPECT_NEAR(static_cast<double>(FracPartDouble(5.305)), 0.305, 1e-12);
  EXPECT_NEAR(static_cast<double>(FracPartDouble(-1.3)), -0.3, 1e-12);
}

TEST(NumericHelpers, SignOfTreatsBothZerosAsZero) {
  EXPECT_EQ(SignOf(3.5), 1);
  EXPECT_EQ(SignOf(-1e-300), -1);
  EXPECT_EQ(SignOf(0.0), 0);
  EXPECT_EQ(SignOf(-0.0), 0);
}

TEST(DegreesAndMinutes, PackedToRadians) {
  const struct {
    double packed;
    double degrees;
  } cases[] = {
      {5.15, 5.25}, {-0.30, -0.5}, {-1.30, -1.5}, {53.3, 53.5},
      {-22.347, -(22 + 34.7 / 60)}, {0.0, 0.0}, {14.3, 14.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.packed);
    EXPECT_NEAR(static_cast<double>(DegMinToRadians(c.packed)), c.degrees * kDeg, 1e-14);
  }
  // Positions are not range-checked: a huge value stays finite.
  EXPECT_TRUE(std::isfinite(static_cast<double>(DegMinToRadians(1e15))));
  EXPECT_TRUE(std::isfinite(static_cast<double>(DegMinToRadians(-1e21))));
}

TEST(DegreesAndMinutes, RadiansToPackedCarriesMinutesAbove5995) {
  const struct {
    double degrees;
    double packed;
    double tolerance;
  } cases[] = {
      {1 + 59.96 / 60, 2.0, 0},
      {1 + 59.9 / 60, 1.599, 1e-12},
      {59.97 / 60, 1.0, 0},
      {-(1 + 59.96 / 60), -2.0, 0},
      {359 + 59.96 / 60, 360.0, 0},
      {359 + 59.94 / 60, 359.5994, 1e-10},
      {53.5, 53.3, 1e-12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.degrees);
    const double p = RadiansToDegMin(c.degrees * kDeg);
    if (c.tolerance == 0) {
      EXPECT_EQ(p, c.packed);
    } else {
      EXPECT_NEAR(p, c.packed, c.tolerance);
    }
  }
}

TEST(Reduction, MatchesRepeatedSubtractionAndAlwaysEnds) {
  const long double twoPi = astro::kTwoPi;
  // Repeated subtraction, as the theories describe it.
  auto bySteps = [](long double x, long double period) {
    while (x > period) x -= period;
    return x;
  };
  for (long double x : {0.5L, -3.0L, 6.283185307179586L, 6.3L, 940.25L, 1234.5678L, 7000.0L}) {
    SCOPED_TRACE(static_cast<double>(x));
    EXPECT_EQ(ReduceFromAbove(x, twoPi), bySteps(x, twoPi));
  }
  EXPECT_EQ(ReduceFromAbove(720.0L, 360), 360);  // a positive multiple ends at 360
  EXPECT_EQ(ReduceFromBelow(-720.0L, 360), 0);
  EXPECT_EQ(ReduceFromBelow(-10.0L, 360), 350);
  EXPECT_EQ(ReduceFromBelow(400.0L, 360), 400);  // untouched from above
  const long double inf = std::numeric_limits<long double>::infinity();
  EXPECT_FALSE(std::isfinite(ReduceFromAbove(inf, 360)));
  EXPECT_TRUE(std::isnan(ReduceFromAbove(std::numeric_limits<long double>::quiet_NaN(), 360)));
  EXPECT_LE(ReduceFromAbove(1e30L, 360), 360);
}

}  // namespace
