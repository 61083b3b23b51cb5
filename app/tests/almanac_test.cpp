// Texts of the update cycle that do not depend on the ephemerides.
#include <gtest/gtest.h>

#include <string>

#include "app/almanac.h"
#include "astro/astrproc.h"

namespace {

struct EquationCase {
  long double hours;
  const char* text;
};

class EquationOfTimeTextTest : public ::testing::TestWithParam<EquationCase> {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

TEST_P(EquationOfTimeTextTest, SignMinutesAndSeconds) {
  EXPECT_EQ(EquationOfTimeText(GetParam().hours), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EquationOfTimeTextTest,
    ::testing::Values(
        // Zero is shown with a plus sign, negative zero too.
        EquationCase{0.0L, "  +0 min : 0.0 sec."},
        EquationCase{-0.0L, "  +0 min : 0.0 sec."},
        EquationCase{-0.25L, "  -15 min : 0.0 sec."},
        EquationCase{0.25L, "  +15 min : 0.0 sec."},
        // 11 min 37.4 s before and after noon.
        EquationCase{-(11 + 37.4L / 60) / 60, "  -11 min : 37.4 sec."},
        EquationCase{(16 + 25.06L / 60) / 60, "  +16 min : 25.1 sec."},
        // Seconds that round up to 60.0 stay 60.0; the minutes are kept.
        EquationCase{(5 + 59.97L / 60) / 60, "  +5 min : 60.0 sec."},
        EquationCase{-(5 + 59.97L / 60) / 60, "  -5 min : 60.0 sec."}));

TEST(EquationOfTimeText, UsesTheDecimalSeparator) {
  SetDecimalSeparator(",");
  EXPECT_EQ(EquationOfTimeText(-(11 + 37.4L / 60) / 60),
            "  -11 min : 37,4 sec.");
  SetDecimalSeparator(".");
}

// The cycle leaves FDay a whole day and rolls a day beyond its month over
// into the next month.
TEST(ComputeAlmanac, NormalisesTheDate) {
  struct Case {
    long double year, month, day;
    long double wantYear, wantMonth, wantDay;
  };
  const Case cases[] = {
      {2026, 3, 5, 2026, 3, 5},
      {2026, 2, 31, 2026, 3, 3},
      {2024, 2, 31, 2024, 3, 2},
      {1900, 2, 29, 1900, 3, 1},
      {2050, 12, 31, 2050, 12, 31},
  };
  for (const Case& c : cases) {
    TAlmanacState s;
    s.FYear = c.year;
    s.FMonth = c.month;
    s.FDay = c.day;
    s.FHour = 23;
    s.FMinute = 59;
    s.FSecond = 59;
    ComputeAlmanac(s);
    EXPECT_EQ(s.FYear, c.wantYear) << static_cast<double>(c.day);
    EXPECT_EQ(s.FMonth, c.wantMonth) << static_cast<double>(c.day);
    EXPECT_EQ(s.FDay, c.wantDay) << static_cast<double>(c.day);
    EXPECT_GE(s.FDayFraction, 0);
    EXPECT_LT(s.FDayFraction, 1);
  }
}

// Stars beyond the count are not computed and their rows stay empty.
TEST(ComputeAlmanac, ComputesOnlyTheQueuedStars) {
  TAlmanacState s;
  s.FYear = 2026;
  s.FMonth = 3;
  s.FDay = 5;
  s.FSelStars[0] = 52;
  s.FSelStars[1] = 38;
  s.FSelCount = 2;
  const TAlmanacTexts t = ComputeAlmanac(s);
  EXPECT_EQ(t.stars[0].name, "Sirius       ");
  EXPECT_EQ(t.stars[1].name, "Menekent     ");
  EXPECT_TRUE(t.stars[2].name.empty());
  EXPECT_TRUE(t.stars[2].sha.empty());
}

}  // namespace
