// The Sun's apparent place and the equation of time.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/astrproc.h"

namespace {

constexpr double kRadToDeg = 180.0 / 3.141592653589793;

double Degrees(long double radians) { return static_cast<double>(radians) * kRadToDeg; }

double WrapDegrees(double d) {
  while (d > 180) d -= 360;
  while (d < -180) d += 360;
  return d;
}

TEST(SunPosition, MatchesWorkedExamples) {
  const struct {
    int year, month, day, hour;
    double raDegrees, decDegrees, sdArcmin;
  } cases[] = {
      {1999, 1, 1, 0, 280 + 59.63 / 60, -(23 + 3.15 / 60), 16.265},
      {1999, 6, 21, 12, 89 + 39.6 / 60, 23 + 26.2 / 60, 15.74},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << "-" << c.day);
    long double ra = 0, dec = 0, sd = 0;
    SunPosition(c.year, c.month, c.day, c.hour, 0, 0, ra, dec, sd);
    EXPECT_NEAR(Degrees(ra), c.raDegrees, 0.06 / 60);
    EXPECT_NEAR(Degrees(dec), c.decDegrees, 0.06 / 60);
    EXPECT_NEAR(static_cast<double>(sd), c.sdArcmin, 0.006);
  }
}

TEST(SunPosition, RightAscensionFollowsTheLongitudeBefore1899) {
  // Before 1899 March 21 the mean longitude is negative; the right ascension
  // must still sit in the quadrant of the longitude: 1899 February 15, 0h,
  // alpha 328.37 degrees (Sun in Aquarius), not 148.37.
  long double ra = 0, dec = 0, sd = 0;
  SunPosition(1899, 2, 15, 0, 0, 0, ra, dec, sd);
  EXPECT_NEAR(Degrees(ra), 328.37, 0.01);
  EXPECT_NEAR(Degrees(dec), -12.7, 0.2);
  SunPosition(1850, 6, 21, 12, 0, 0, ra, dec, sd);
  EXPECT_NEAR(Degrees(ra), 90.0, 1.0);
}

TEST(SunPosition, RightAscensionIsInRangeAndBesideTheLongitude) {
  // Right ascension and ecliptic longitude of the Sun never differ by more
  // than 2.5 degrees; one step every nine days over 1890 to 2060.
  for (long double jd = JulianDay(1890, 1, 1); jd < JulianDay(2060, 1, 1); jd += 9.13L) {
    long double year = 0, month = 0, day = 0;
    CalendarDate(jd, year, month, day);
    long double ra = 0, dec = 0, sd = 0;
    SunPosition(year, month, TruncInt(day), 0, 0, 0, ra, dec, sd);
    ASSERT_GE(ra, 0.0L);
    ASSERT_LT(ra, astro::kTwoPi);
    const long double T = (JulianDay(year, month, TruncInt(day)) - astro::kJD1900) * astro::kInv36525;
    const double lambda = Degrees(astro::SolarLongitudeAt(T).apparentLongitude);
    ASSERT_LT(std::fabs(WrapDegrees(Degrees(ra) - lambda)), 2.6)
        << static_cast<double>(year) << "-" << static_cast<double>(month);
  }
}

TEST(EquationOfTime, MatchesWorkedExamples) {
  const struct {
    int year, month, day, hour;
    double hours, tolerance;
  } cases[] = {
      {1999, 1, 1, 0, -0.0527, 0.0002},     // -3 min 10 s
      {1999, 11, 3, 22, 0.2739, 0.0002},    // +16 min 26 s, from -23.726 h
      {1999, 7, 26, 2, -0.1085, 0.0002},    // -6 min 31 s, from +23.891 h
      {2026, 2, 11, 12, -14.2 / 60, 0.005}, // February minimum, about -14.2 min
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << "-" << c.day);
    EXPECT_NEAR(static_cast<double>(EquationOfTime(c.year, c.month, c.day, c.hour, 0, 0)),
                c.hours, c.tolerance);
  }
}

TEST(EquationOfTime, StaysBelowSeventeenMinutesAllYear) {
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 28; day += 3) {
      for (int hour : {0, 7, 13, 23}) {
        const double e = static_cast<double>(EquationOfTime(2024, month, day, hour, 30, 0));
        ASSERT_LT(std::fabs(e), 17.0 / 60) << month << "-" << day << " " << hour;
      }
    }
  }
}

}  // namespace

namespace {

TEST(DeltaT, MatchesTheTheorysQuadratic) {
  // 1999 January 1: about 1.27 minutes; 2000 January 1: 1.2944698 minutes;
  // 1850 June 15: -0.8846306 minutes (negative before about 1930).
  const struct {
    long double jd;
    double minutes, tolerance;
  } cases[] = {
      {2451179.5L, 1.27, 0.005},
      {2451544.5L, 1.2944698, 5e-8},
      {JulianDay(1850, 6, 15), -0.8846306, 5e-8},
  };
  for (const auto& c : cases) {
    const long double T0 = (c.jd - astro::kJD1900) * astro::kInv36525;
    EXPECT_NEAR(static_cast<double>(astro::DeltaTMinutes(T0)), c.minutes, c.tolerance);
  }
}

}  // namespace
