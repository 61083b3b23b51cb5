// Apparent sidereal time (GHA of Aries) and the nutation series.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/astrproc.h"

namespace {

constexpr double kRadToDeg = 180.0 / 3.141592653589793;

double Degrees(long double radians) { return static_cast<double>(radians) * kRadToDeg; }

TEST(ApparentSiderealTime, MatchesAlmanacValues) {
  const struct {
    int year, month, day, hour, minute, second;
    double degrees;   // GHA of Aries
    double toleranceArcmin;
  } cases[] = {
      // Meeus: mean sidereal time 100° 12.4' less 9" of nutation.
      {1999, 1, 1, 0, 0, 0, 100 + 12.2 / 60, 0.05},
      // J2000.0: 280° 27.4' (IAU: 280.46061837 deg mean, -0.24' nutation).
      {2000, 1, 1, 12, 0, 0, 280 + 27.4 / 60, 0.05},
      // 2026 March 5, 0h: IAU 1982 mean sidereal time 162.756643 deg plus
      // the equation of the equinoxes (+6.8" of nutation): 162° 45.50'.
      {2026, 3, 5, 0, 0, 0, 162 + 45.50 / 60, 0.05},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << "-" << c.day);
    const long double gha = ApparentSiderealTime(c.year, c.month, c.day, c.hour,
                                                 c.minute, c.second);
    EXPECT_NEAR(Degrees(gha), c.degrees, c.toleranceArcmin / 60);
  }
}

TEST(ApparentSiderealTime, StaysInOneRevolutionWhereItPassesZero) {
  // Around the September equinox the sidereal time passes 0h near 0h GMT;
  // every second of that hour must give a value in [0, 2 pi), and the
  // sequence must wrap exactly once.
  int wraps = 0;
  long double previous = -1;
  for (int s = 0; s < 3 * 3600; ++s) {
    const long double gha =
        ApparentSiderealTime(2020, 9, 21, 22 + s / 3600, (s / 60) % 60, s % 60);
    ASSERT_GE(gha, 0.0L) << s;
    ASSERT_LT(gha, astro::kTwoPi) << s;
    if (previous >= 0 && gha < previous) ++wraps;
    previous = gha;
  }
  EXPECT_EQ(wraps, 1);
}

TEST(ApparentSiderealTime, AdvancesOneSiderealRateWithTheTimeOfDay) {
  // 1 hour of GMT is 15.041069 degrees of sidereal angle.
  const long double a = ApparentSiderealTime(2010, 6, 15, 3, 0, 0);
  const long double b = ApparentSiderealTime(2010, 6, 15, 4, 0, 0);
  EXPECT_NEAR(Degrees(b - a), 15.0410686, 1e-6);
}

TEST(Nutation, ReproducesJ2000Values) {
  // 2000 January 1, 0h: delta psi -13.96", delta epsilon -5.76".
  const long double T = (2451544.5L - astro::kJD1900) * astro::kInv36525;
  const astro::Nutation n = astro::NutationAt(T, astro::MeanElementsAt(T));
  EXPECT_NEAR(static_cast<double>(n.longitude), -13.96, 0.005);
  EXPECT_NEAR(static_cast<double>(n.obliquity), -5.76, 0.005);
  EXPECT_NEAR(static_cast<double>(astro::MeanObliquityDegrees(T)), 23.4392911, 3e-5);  // IAU 1976 value, 0.1"
}

}  // namespace
