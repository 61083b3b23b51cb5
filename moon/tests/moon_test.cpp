// Lunar theory and the Moon's apparent place.
//
// Reference values: the worked instants of the lunar theory (stated to the
// digits given, so the tolerance is half a unit of the last digit) and
// values computed independently with a short Python transcription of the
// theory in double precision.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/astrproc.h"
#include "moon/moon.h"
#include "moon/moon_terms.h"

namespace {

struct Instant {
  long double year, month, day, hour, minute, second;
};

MoonEcliptic Ecliptic(const Instant& i) {
  return MoonEclipticPosition(i.year, i.month, i.day, i.hour, i.minute,
                              i.second);
}

// ---------------------------------------------------------------------------
// Lunar theory: T, lambda, beta, P

struct EclipticCase {
  const char* name;
  Instant when;
  double T, tolT;
  double longitude, tolLongitude;  // lambda reduced into [0, 360)
  double latitude, tolLatitude;
  double parallax, tolParallax;
};

const EclipticCase kEclipticCases[] = {
    // Delta T = +1.2944698 min, day' = 1.50089894.
    {"2000-01-01 12:00", {2000, 1, 1, 12, 0, 0},
     1.00000002, 5e-9, 223.32851, 5e-6, 5.17113, 5e-6, 0.908120, 5e-7},
    // Delta T = -0.8846306 min: the theory's instant precedes GMT.
    {"1850-06-15 06:30", {1850, 6, 15, 6, 30, 0},
     -0.4954477695, 1e-10, 152.19182, 5e-6, 1.43603, 5e-6, 0.990472, 5e-7},
    // Python: T = 0.99608375705, lambda = 138.27733472, beta = 0.49020520,
    // P = 0.97898800.
    {"1999-08-11 11:00", {1999, 8, 11, 11, 0, 0},
     0.99608375705, 1e-10, 138.27733472, 1e-7, 0.49020520, 1e-7,
     0.97898800, 1e-8},
};

TEST(MoonEclipticPosition, ReproducesReferenceInstants) {
  for (const EclipticCase& c : kEclipticCases) {
    SCOPED_TRACE(c.name);
    const MoonEcliptic m = Ecliptic(c.when);
    EXPECT_NEAR(static_cast<double>(m.T), c.T, c.tolT);
    long double lon = std::fmod(m.longitude, 360.0L);
    if (lon < 0) lon += 360;
    EXPECT_NEAR(static_cast<double>(lon), c.longitude, c.tolLongitude);
    EXPECT_NEAR(static_cast<double>(m.latitude), c.latitude, c.tolLatitude);
    EXPECT_NEAR(static_cast<double>(m.parallax), c.parallax, c.tolParallax);
  }
}

// Before 1899 the polynomials give negative L', M, M', D, F, which the
// reduction leaves alone, so lambda is not brought into any range.
TEST(MoonEclipticPosition, LongitudeIsNotReducedForNegativeElements) {
  const MoonEcliptic m = MoonEclipticPosition(1850, 6, 15, 6, 30, 0);
  // Python: -238167.80818143.
  EXPECT_NEAR(static_cast<double>(m.longitude), -238167.80818143, 1e-6);
}

// The time argument: Delta T is added to the minutes and the whole time of
// day is carried by the day, which JulianDay lets run below 1 and past the
// end of a month or year.  Expected T from the continuous day count:
// T = (JD(next or same date, 0h) + offset in days - 2415020) / 36525.
TEST(MoonEclipticPosition, AdjustedDayCarriesAcrossDateBoundaries) {
  struct Case {
    const char* name;
    Instant when;
    double T;
  } const cases[] = {
      // Delta T = -0.4099835 min takes 1900 Jan 1, 0h back into 1899:
      // (2415020.5 - 0.4099835 / 1440 - 2415020) / 36525.
      {"new year, Delta T < 0", {1900, 1, 1, 0, 0, 0}, 1.368145897607131e-05},
      // Delta T = +1.2796504 min takes 1999 Apr 30, 23:59 into May 1:
      // (2451299.5 + 0.2796504 / 1440 - 2415020) / 36525.
      {"month end, Delta T > 1 min", {1999, 4, 30, 23, 59, 0},
       0.9932785816345437},
      // Delta T = +1.2944095 min takes 1999 Dec 31, 23:59 into 2000:
      // (2451544.5 + 0.2944095 / 1440 - 2415020) / 36525.
      {"year end, Delta T > 1 min", {1999, 12, 31, 23, 59, 0},
       0.9999863163436253},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // 1e-13 centuries is 0.3 ms; a mishandled carry is off by whole days.
    EXPECT_NEAR(static_cast<double>(Ecliptic(c.when).T), c.T, 1e-13);
  }
}

// Hour, minute and second enter as minute/60 + hour + second/3600: the same
// instant written three ways gives the same place.
TEST(MoonEclipticPosition, TimeOfDayFieldsAreCombinedInHours) {
  const MoonEcliptic a = MoonEclipticPosition(2000, 1, 1, 12, 0, 0);
  for (const Instant& i : {Instant{2000, 1, 1, 11, 59, 60},
                           Instant{2000, 1, 1, 0, 720, 0},
                           Instant{2000, 1, 1, 0, 0, 43200}}) {
    const MoonEcliptic b = Ecliptic(i);
    EXPECT_NEAR(static_cast<double>(b.T), static_cast<double>(a.T), 1e-15);
    EXPECT_NEAR(static_cast<double>(b.longitude),
                static_cast<double>(a.longitude), 1e-9);
  }
}

// L', M, M', D and F: "while above 360 subtract 360"; Omega: "while below 0
// add 360".
TEST(MoonMeanElementReduction, ReducesEachElementFromItsOwnSide) {
  struct Case {
    const char* name;
    MoonMeanElements in, out;
  } const cases[] = {
      {"exact positive multiples of 360 end at 360, not 0",
       {720, 360, 1080, 3600, 360, 720}, {360, 360, 360, 360, 360, 720}},
      {"values above 360 end in (0, 360]",
       {481538.25, 36357.5, 370, 725, 361, 400},
       {218.25, 357.5, 10, 5, 1, 400}},
      {"negative values and 0 stay; a negative node goes into [0, 360)",
       {-238172.5, -5, 0, -360, -0.5, -1674.75},
       {-238172.5, -5, 0, -360, -0.5, 125.25}},
      {"a node that is an exact negative multiple of 360 ends at 0",
       {10, 20, 30, 40, 50, -720}, {10, 20, 30, 40, 50, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const MoonMeanElements r = ReduceMoonMeanElements(c.in);
    EXPECT_EQ(r.meanLongitude, c.out.meanLongitude);
    EXPECT_EQ(r.sunAnomaly, c.out.sunAnomaly);
    EXPECT_EQ(r.moonAnomaly, c.out.moonAnomaly);
    EXPECT_EQ(r.elongation, c.out.elongation);
    EXPECT_EQ(r.latitudeArgument, c.out.latitudeArgument);
    EXPECT_EQ(r.node, c.out.node);
  }
}

// ---------------------------------------------------------------------------
// Apparent place, parallax, semi-diameter

TEST(MoonPosition, ReproducesReferenceInstants) {
  struct Case {
    const char* name;
    Instant when;
    double ra, dec, hp, sd;  // radians, radians, degrees, arc minutes
  } const cases[] = {
      {"2000-01-01 12:00", {2000, 1, 1, 12, 0, 0},
       3.882601, -0.190289, 0.908120, 14.846448},
      {"1999-08-11 11:00", {1999, 8, 11, 11, 0, 0},
       2.458651, 0.276064, 0.978988, 16.005044},
      {"1850-06-15 06:30", {1850, 6, 15, 6, 30, 0},
       2.700148, 0.210189, 0.990472, 16.192796},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    long double ra = -1, dec = -1, hp = -1, sd = -1;
    MoonPosition(c.when.year, c.when.month, c.when.day, c.when.hour,
                 c.when.minute, c.when.second, ra, dec, hp, sd);
    EXPECT_NEAR(static_cast<double>(ra), c.ra, 5e-7);
    EXPECT_NEAR(static_cast<double>(dec), c.dec, 5e-7);
    EXPECT_NEAR(static_cast<double>(hp), c.hp, 5e-7);
    EXPECT_NEAR(static_cast<double>(sd), c.sd, 5e-7);
  }
  // The first instant in the almanac's units: 14.830445 h, -10.902749 deg.
  long double ra = 0, dec = 0, hp = 0, sd = 0;
  MoonPosition(2000, 1, 1, 12, 0, 0, ra, dec, hp, sd);
  EXPECT_NEAR(static_cast<double>(ra * 12 / astro::kPi), 14.830445, 5e-7);
  EXPECT_NEAR(static_cast<double>(dec * 180 / astro::kPi), -10.902749, 5e-7);
}

// Over a lunar month the Moon passes through all four quadrants of right
// ascension and both signs of declination.  alpha must be the two-argument
// arc tangent of y = sin(lambda) cos(eps) - tan(beta) sin(eps) and
// x = cos(lambda) in [0, 2 pi); the semi-diameter is always 0.272476 * 60
// times the parallax.
TEST(MoonPosition, QuadrantRangeAndSemiDiameterOverALunarMonth) {
  bool quadrant[4] = {false, false, false, false};
  bool south = false, north = false;
  for (int step = 0; step < 4 * 30; ++step) {
    const long double day = 1 + step / 4;
    const long double hour = 6 * (step % 4);
    SCOPED_TRACE(step);
    long double ra = 0, dec = 0, hp = 0, sd = 0;
    MoonPosition(2024, 3, day, hour, 0, 0, ra, dec, hp, sd);
    const MoonEcliptic m = MoonEclipticPosition(2024, 3, day, hour, 0, 0);

    const double eps = static_cast<double>(
        astro::DegToRad(23.452294 - 0.0130125 * m.T -
                        0.00000164 * m.T * m.T +
                        0.000000503 * m.T * m.T * m.T));
    const double lambda = static_cast<double>(astro::DegToRad(m.longitude));
    const double beta = static_cast<double>(astro::DegToRad(m.latitude));
    const double y = std::sin(lambda) * std::cos(eps) -
                     std::tan(beta) * std::sin(eps);
    double expected = std::atan2(y, std::cos(lambda));
    if (expected < 0) expected += static_cast<double>(astro::kTwoPi);

    EXPECT_GE(ra, 0.0L);
    EXPECT_LT(ra, astro::kTwoPi);
    EXPECT_NEAR(static_cast<double>(ra), expected, 1e-12);
    quadrant[static_cast<int>(ra / (astro::kPi / 2))] = true;
    (dec < 0 ? south : north) = true;

    EXPECT_EQ(hp, m.parallax);
    EXPECT_NEAR(static_cast<double>(sd), 16.34856 * static_cast<double>(hp),
                1e-12);
  }
  EXPECT_TRUE(quadrant[0] && quadrant[1] && quadrant[2] && quadrant[3]);
  EXPECT_TRUE(south && north);
}

}  // namespace
