// Apparent places of the catalogue stars.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/astrproc.h"
#include "stars/reduction.h"
#include "stars/stars.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kRadToDeg = 180.0 / kPi;
constexpr double kRadToArcmin = kRadToDeg * 60;
constexpr double kRadToArcsec = kRadToArcmin * 60;

double Radians(long double degrees) { return static_cast<double>(degrees) / kRadToDeg; }

TEST(StarPosition, ReproducesTheWorkedExamplesOf2000January1) {
  // 2000 January 1, 0h GMT; the worked example gives the places to the
  // hundredth of a minute of arc: SHA = 360 deg - RA.
  const struct {
    int index;
    double shaArcmin;  // sidereal hour angle, minutes of arc
    double decArcmin;  // declination, minutes of arc
  } stars[] = {
      {52, (258 * 60 + 42.60), -(16 * 60 + 43.06)},  // Sirius, RA 101 17.40
      {15, (146 * 60 + 5.48), (19 * 60 + 10.95)},    // Arcturus
  };
  for (const auto& s : stars) {
    SCOPED_TRACE(StarNames[s.index]);
    long double ra = 0, dec = 0;
    StarPosition(s.index, 2000, 1, 1, ra, dec);
    EXPECT_NEAR((2 * kPi - static_cast<double>(ra)) * kRadToArcmin, s.shaArcmin, 0.005);
    EXPECT_NEAR(static_cast<double>(dec) * kRadToArcmin, s.decArcmin, 0.005);
  }

  const stars::ReductionTerms terms = stars::ReductionTermsAt(JulianDay(2000, 1, 1));
  EXPECT_NEAR(static_cast<double>(terms.nutationLongitude), -13.96, 0.005);
  EXPECT_NEAR(static_cast<double>(terms.nutationObliquity), -5.76, 0.005);
}

TEST(StarPosition, On1950January1OnlyNutationAndAberrationRemain) {
  // t is 2.1e-6 tropical centuries: precession and proper motion move the
  // places by well under 0.01".  Expected apparent minus catalogue place,
  // seconds of arc: Sirius from the worked example, the others from an
  // independent evaluation of the nutation and aberration formulae.
  const struct {
    int index;
    double dRaArcsec, dDecArcsec, tolerance;
  } stars[] = {
      {52, 18.2, 7.2, 0.1},           // Sirius
      {35, -19.80, -21.49, 0.02},     // Kochab, 74 deg north
      {2, -16.93, 17.95, 0.02},       // Acrux, 63 deg south
      {22, -32.28, -0.84, 0.02},      // Deneb, no proper motion
  };
  for (const auto& s : stars) {
    SCOPED_TRACE(StarNames[s.index]);
    long double ra = 0, dec = 0;
    StarPosition(s.index, 1950, 1, 1, ra, dec);
    EXPECT_NEAR((static_cast<double>(ra) - Radians(RA1950[s.index])) * kRadToArcsec,
                s.dRaArcsec, s.tolerance);
    EXPECT_NEAR((static_cast<double>(dec) - Radians(Dec1950[s.index])) * kRadToArcsec,
                s.dDecArcsec, s.tolerance);
  }
}

TEST(StarPosition, DenebolaFollowsTheModernCatalogue) {
  // Hipparcos J2000 place and proper motion of beta Leonis, precessed to
  // 2026 January 1 with the IAU 1976 angles, with nutation (main IAU 1980
  // terms) and annual aberration: RA 177.59923 deg, Dec +14.42433 deg.
  long double ra = 0, dec = 0;
  StarPosition(23, 2026, 1, 1, ra, dec);
  const double cosDec = std::cos(Radians(14.42433));
  EXPECT_NEAR((static_cast<double>(ra) - Radians(177.59923)) * kRadToArcmin * cosDec, 0, 0.3);
  EXPECT_NEAR((static_cast<double>(dec) - Radians(14.42433)) * kRadToArcmin, 0, 0.3);
}

TEST(StarPosition, StaysBesideTheCataloguePlaceFrom1900To2050) {
  // Every star, twice a year: the right ascension keeps the branch of the
  // catalogue value (no jump by pi) and stays inside (0, 2 pi).
  for (int year = 1900; year <= 2050; ++year) {
    for (int month : {1, 7}) {
      for (int i = 0; i < StarCount; ++i) {
        long double ra = 0, dec = 0;
        StarPosition(i, year, month, 1, ra, dec);
        SCOPED_TRACE(::testing::Message() << StarNames[i] << " " << year << "-" << month);
        ASSERT_LT(std::fabs(static_cast<double>(ra) - Radians(RA1950[i])), Radians(3));
        ASSERT_GT(ra, 0);
        ASSERT_LT(ra, astro::kTwoPi);
        ASSERT_TRUE(std::isfinite(dec));
        ASSERT_LT(std::fabs(static_cast<double>(dec) - Radians(Dec1950[i])), Radians(1.5));
      }
    }
  }
}

TEST(StarPosition, IndexOutsideTheCatalogueGivesZero) {
  for (int index : {-1, StarCount, 1000}) {
    long double ra = 1, dec = 1;
    StarPosition(index, 2000, 1, 1, ra, dec);
    EXPECT_EQ(ra, 0) << index;
    EXPECT_EQ(dec, 0) << index;
  }
}

TEST(StarPosition, EndsForAnyDate) {
  // No loop of the reduction may run forever, whatever the date.
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  const long double inf = std::numeric_limits<long double>::infinity();
  for (long double year : {nan, inf, -inf, 1e6L, -1e6L, 1e30L}) {
    long double ra = 0, dec = 0;
    StarPosition(11, year, 1, 1, ra, dec);
    StarPosition(36, year, 1, 1, ra, dec);
  }
  SUCCEED();
}

TEST(NearestBranch, PicksTheBranchNextToTheReference) {
  // reference: alpha1; alpha: arctangent value plus z.  The first three are
  // the catalogue cases (Alpheratz 1900, Sirius 2000, Markab 2050), degrees.
  const struct {
    const char* name;
    double referenceDeg, alphaDeg, expectedDeg;
  } cases[] = {
      {"Alpheratz: kept", 1.44725, 0.80410, 0.80410},
      {"Sirius: pi added once", 100.72867, -78.71289, 101.28711},
      {"Markab: pi added twice", 345.56958, -13.18557, 346.81443},
      {"within 0.1 rad: kept", 10.0, 15.7, 15.7},
      {"above the reference: pi subtracted twice, added once", 20.0, 220.0, 40.0},
      {"far below: pi added three times", 350.0, -150.0, 390.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const long double result = stars::NearestBranch(Radians(c.referenceDeg), Radians(c.alphaDeg));
    EXPECT_NEAR(static_cast<double>(result) * kRadToDeg, c.expectedDeg, 1e-9);
  }
}

TEST(NearestBranch, EndsForFarAndNonFiniteValues) {
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  const long double inf = std::numeric_limits<long double>::infinity();
  EXPECT_TRUE(std::isnan(stars::NearestBranch(1.0L, nan)));
  EXPECT_EQ(stars::NearestBranch(nan, 1.0L), 1.0L);
  EXPECT_EQ(stars::NearestBranch(1.0L, inf), inf);
  EXPECT_EQ(stars::NearestBranch(inf, 1.0L), 1.0L);
  EXPECT_TRUE(std::isfinite(stars::NearestBranch(1.0L, 1e30L)));

  // Far off, but well resolved: the branch is still the one next to the
  // reference, a whole number of half turns away.
  for (long double alpha : {-1000.25L, 1000.25L, 123456.5L}) {
    const long double result = stars::NearestBranch(1.0L, alpha);
    EXPECT_GE(result, 1.0L - 0.1L) << static_cast<double>(alpha);
    EXPECT_LT(result, 1.0L + astro::kPi - 0.1L) << static_cast<double>(alpha);
    const double halfTurns = static_cast<double>((result - alpha) / astro::kPi);
    EXPECT_NEAR(halfTurns, std::round(halfTurns), 1e-9) << static_cast<double>(alpha);
  }
}

}  // namespace
