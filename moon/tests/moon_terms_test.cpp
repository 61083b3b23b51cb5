// The three periodic-term tables as data: row counts and checksums over the
// rows, so that a dropped or duplicated row, a transposed or sign-flipped
// multiplier, a mistyped coefficient or a wrong factor 1/E/E^2 shows up.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <iterator>

#include "moon/moon_terms.h"

namespace {

struct Checksums {
  std::size_t rows;
  double sumCoefficients;          // sum of the coefficients
  double weightedCoefficients;     // sum of row number * coefficient
  long weightedD, weightedM, weightedMp, weightedF;  // sum of row * multiplier
  long weightedAbsMultipliers;     // sum of row * (|D| + |M| + |M'| + |F|)
  int rowsWithE, rowsWithE2;
  long weightedEPower;             // sum of row * power of E
};

template <std::size_t N>
Checksums Sum(const MoonTerm (&table)[N]) {
  Checksums c{N, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (std::size_t k = 0; k < N; ++k) {
    const MoonTerm& t = table[k];
    const long row = static_cast<long>(k) + 1;
    c.sumCoefficients += t.coefficient;
    c.weightedCoefficients += row * t.coefficient;
    c.weightedD += row * t.d;
    c.weightedM += row * t.m;
    c.weightedMp += row * t.mp;
    c.weightedF += row * t.f;
    c.weightedAbsMultipliers +=
        row * (std::abs(t.d) + std::abs(t.m) + std::abs(t.mp) + std::abs(t.f));
    if (t.ePower == 1) ++c.rowsWithE;
    if (t.ePower == 2) ++c.rowsWithE2;
    c.weightedEPower += row * t.ePower;
  }
  return c;
}

void ExpectChecksums(const Checksums& actual, const Checksums& expected) {
  EXPECT_EQ(actual.rows, expected.rows);
  // Exact decimal sums; the doubles of the coefficients add up to well
  // within 1e-10 of them, while a wrong digit changes them by >= 1e-6.
  EXPECT_NEAR(actual.sumCoefficients, expected.sumCoefficients, 1e-10);
  EXPECT_NEAR(actual.weightedCoefficients, expected.weightedCoefficients,
              1e-10);
  EXPECT_EQ(actual.weightedD, expected.weightedD);
  EXPECT_EQ(actual.weightedM, expected.weightedM);
  EXPECT_EQ(actual.weightedMp, expected.weightedMp);
  EXPECT_EQ(actual.weightedF, expected.weightedF);
  EXPECT_EQ(actual.weightedAbsMultipliers, expected.weightedAbsMultipliers);
  EXPECT_EQ(actual.rowsWithE, expected.rowsWithE);
  EXPECT_EQ(actual.rowsWithE2, expected.rowsWithE2);
  EXPECT_EQ(actual.weightedEPower, expected.weightedEPower);
}

// Expected values were summed with a separate script from the published
// table of each series (exact decimal arithmetic), not from the code.

TEST(MoonTermTables, LongitudeTermsMatchThePublishedTable) {
  ExpectChecksums(Sum(MoonLongitudeTerms),
                  {50, 8.365755, 12.488283, 1624, -325, 507, -24, 5152, 18, 5,
                   863});
}

TEST(MoonTermTables, LatitudeTermsMatchThePublishedTable) {
  ExpectChecksums(Sum(MoonLatitudeTerms),
                  {45, 6.066821, 8.979341, 1428, -205, 330, 177, 4486, 15, 1,
                   455});
}

TEST(MoonTermTables, ParallaxTermsMatchThePublishedTable) {
  ExpectChecksums(Sum(MoonParallaxTerms),
                  {30, 0.073688, 0.114787, 428, -39, 268, 132, 1697, 12, 1,
                   261});
  EXPECT_EQ(kMoonParallaxConstant, 0.950724);
}

// The factor follows the Sun's mean anomaly: a row carries E^|m|.
TEST(MoonTermTables, EccentricityFactorMatchesTheMultiplierOfM) {
  auto check = [](const auto& table, const char* name) {
    for (std::size_t k = 0; k < std::size(table); ++k) {
      EXPECT_EQ(table[k].ePower, std::abs(table[k].m))
          << name << " row " << k + 1;
    }
  };
  check(MoonLongitudeTerms, "longitude");
  check(MoonLatitudeTerms, "latitude");
  check(MoonParallaxTerms, "parallax");
}

}  // namespace
