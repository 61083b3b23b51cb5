// The star catalogue checked as data: column sums catch a mistyped digit,
// weighted sums also a value moved to another row.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "stars/stars.h"

namespace {

TEST(StarCatalogue, NumericColumnsMatchTheTable) {
  // Sum and index-weighted sum (index + 1) of each column, computed with
  // exact decimal arithmetic from the published table, with the rows of
  // Denebola, Dubhe and Rasalhague as corrected from Hipparcos.
  const struct {
    const char* column;
    const long double* values;
    double sum;
    double weightedSum;
  } columns[] = {
      {"RA1950", RA1950, 9675.7284478, 296869.2308347},
      {"PmRA", PmRA, -0.6843, -32.9413},
      {"Dec1950", Dec1950, -313.54697968, -8212.10447148},
      {"PmDec", PmDec, -6.052, -176.319},
  };
  for (const auto& c : columns) {
    SCOPED_TRACE(c.column);
    long double sum = 0;
    long double weighted = 0;
    for (int i = 0; i < StarCount; ++i) {
      sum += c.values[i];
      weighted += (i + 1) * c.values[i];
    }
    // The smallest digit of the table is 1e-8 (degrees); the sums are
    // exact to about 1e-12.
    EXPECT_NEAR(static_cast<double>(sum), c.sum, 1e-9);
    EXPECT_NEAR(static_cast<double>(weighted), c.weightedSum, 1e-9);
  }
}

TEST(StarCatalogue, NamesAreBlankFilledToThirteenCharacters) {
  const struct {
    int index;
    const char* name;
  } names[] = {
      {0, "Acamar       "},  {7, "Al Na'ir     "},  {34, "Kaus Aust.   "},
      {38, "Menekent     "}, {47, "Rigiel       "},  {48, "Rigil Kent.  "},
      {56, "Zuben'ubi    "},
  };
  for (const auto& n : names) {
    EXPECT_EQ(std::string(StarNames[n.index]), n.name) << n.index;
  }

  // Every name: 13 characters, NUL-terminated, no leading blank.  The
  // checksum sum_i (i+1) sum_j (j+1) byte_ij over the blank-filled names was
  // computed from the published list.
  long long checksum = 0;
  for (int i = 0; i < StarCount; ++i) {
    EXPECT_EQ(std::strlen(StarNames[i]), 13u) << i;
    EXPECT_NE(StarNames[i][0], ' ') << i;
    long long row = 0;
    for (int j = 0; j < 13; ++j) row += (j + 1) * static_cast<unsigned char>(StarNames[i][j]);
    checksum += (i + 1) * row;
  }
  EXPECT_EQ(checksum, 8049277);
}

}  // namespace
