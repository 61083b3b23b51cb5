// Angle and fixed-point texts.
#include <gtest/gtest.h>

#include <string>

#include "astro/astrproc.h"

namespace {

constexpr double kDeg = 3.141592653589793 / 180.0;
const std::string kD = "\u00B0";

// Restores the point after a test that changes the separator.
class SeparatorTest : public ::testing::Test {
 protected:
  void TearDown() override { SetDecimalSeparator("."); }
};

TEST(FormatAngle, LaysOutSignDegreesAndMinutes) {
  const struct {
    double degrees;
    std::string text;
  } cases[] = {
      {5.5, " 05" + kD + " 30.00'"},
      {123.125, " 123" + kD + " 07.50'"},
      {-0.5, " -00" + kD + " 30.00'"},
      {100, " 100" + kD + " 00.00'"},
      {45, " 45" + kD + " 00.00'"},
      {9, " 09" + kD + " 00.00'"},
      {12 + 59.97 / 60, " 13" + kD + " 00.00'"},     // carried
      {359 + 59.96 / 60, " 360" + kD + " 00.00'"},   // no reduction to 0
      {12 + 59.949 / 60, " 12" + kD + " 59.95'"},
      {9.996 / 60, " 00" + kD + " 10.00'"},          // no zero before 10.00
      {9.994 / 60, " 00" + kD + " 09.99'"},
      {-(23 + 3.15 / 60), " -23" + kD + " 03.15'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.degrees);
    EXPECT_EQ(FormatAngle(c.degrees * kDeg), c.text);
  }
  EXPECT_EQ(FormatAngle(-1e-9), " -00" + kD + " 00.00'");
}

TEST(FormatDeclination, LaysOutDegreesMinutesAndHemisphere) {
  const struct {
    double degrees;
    std::string text;
  } cases[] = {
      {23.4392, " 23" + kD + " 26.35' N"},
      {-5.2, "05" + kD + " 12.00' S"},
      {0, "00" + kD + " 00.00'"},
      {5, "05" + kD + " 00.00' N"},
      {15, " 15" + kD + " 00.00' N"},
      {-(16 + 43.06 / 60), " 16" + kD + " 43.06' S"},
      {9 + 59.97 / 60, " 10" + kD + " 00.00' N"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.degrees);
    EXPECT_EQ(FormatDeclination(c.degrees * kDeg), c.text);
  }
  EXPECT_EQ(FormatDeclination(-1e-9), "00" + kD + " 00.00' S");
}

TEST(FormatFixed, RoundsHalfAwayFromZeroOnTheExactValue) {
  const struct {
    long double value;
    int decimals;
    std::string text;
  } cases[] = {
      {0.125L, 2, "0.13"},       // exact binary tie: away from zero
      {-0.125L, 2, "-0.13"},
      {16.25L, 1, "16.3"},       // exact tie
      {2.675, 2, "2.67"},        // the double lies below 2.675
      {9.996L, 2, "10.00"},
      {9.994L, 2, "9.99"},
      {99.995L, 2, "100.00"},
      {2451545.0L, 2, "2451545.00"},
      {2461104.79455L, 2, "2461104.79"},
      {0.0L, 1, "0.0"},
      {-0.001L, 2, "0.00"},      // no minus sign on a zero text
      {59.94999L, 1, "59.9"},
      {59.95L, 1, "60.0"},       // minutes rounded up stay 60.0
      {1e21L, 1, "1000000000000000000000.0"},
      {7.0L, 0, "7"},
      {2.5L, 0, "3"},
      {1.005, 2, "1.00"},        // 1.00499999999999989...
      {1.015, 2, "1.01"},        // 1.01499999999999990...
      {0.045L, 2, "0.05"},       // the extended value lies just above
      {1e-30L, 2, "0.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.value));
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text);
  }
}

TEST_F(SeparatorTest, TextsUseTheRegionalDecimalSeparator) {
  EXPECT_EQ(FormatAngle(5.5 * kDeg), " 05" + kD + " 30.00'");
  SetDecimalSeparator(",");
  EXPECT_EQ(FormatAngle(5.5 * kDeg), " 05" + kD + " 30,00'");
  EXPECT_EQ(FormatDeclination(-5.2 * kDeg), "05" + kD + " 12,00' S");
  EXPECT_EQ(FormatFixed(16.25L, 1), "16,3");
  EXPECT_EQ(FormatAngle(9.994 / 60 * kDeg), " 00" + kD + " 09,99'");
  SetDecimalSeparator("");  // an empty separator falls back to the point
  EXPECT_EQ(FormatFixed(1.5L, 1), "1.5");
}

TEST(FormatAngle, NeverShowsSixtyMinutes) {
  // Sweep the last hundredth of a minute before whole degrees.
  for (int d = 0; d < 360; d += 7) {
    for (int k = 0; k <= 20; ++k) {
      const double minutes = 59.94 + k * 0.001;
      const std::string text = FormatAngle((d + minutes / 60) * kDeg);
      ASSERT_EQ(text.find(" 60.00"), std::string::npos) << text;
    }
  }
}

}  // namespace
