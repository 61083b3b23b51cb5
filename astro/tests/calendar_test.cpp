// Julian Day, calendar date and weekday.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "astro/astrproc.h"

namespace {

struct DateCase {
  long double year, month, day;
  long double jd;
};

// Julian Days from Meeus' worked examples and the calendar-reform and
// year-0 cases of the astronomical calendar.
const DateCase kDates[] = {
    {2000, 1, 1.5L, 2451545.0L},
    {1957, 10, 4.81L, 2436116.31L},
    {333, 1, 27.5L, 1842713.0L},
    {1582, 10, 15, 2299160.5L},
    {1582, 10, 4, 2299159.5L},
    {0, 1, 1, 1721057.5L},
    {0, 2, 29, 1721116.5L},
    {0, 3, 1, 1721117.5L},
    {-1, 12, 31, 1721056.5L},
    {-4712, 1, 1.5L, 0.0L},
    {1900, 1, 0.5L, 2415020.0L},
    {1999, 1, 1, 2451179.5L},
    {2026, 3, 5, 2461104.5L},
};

TEST(JulianDay, ReproducesKnownDates) {
  for (const DateCase& c : kDates) {
    SCOPED_TRACE(::testing::Message() << static_cast<double>(c.year) << "-"
                                      << static_cast<double>(c.month) << "-"
                                      << static_cast<double>(c.day));
    EXPECT_NEAR(static_cast<double>(JulianDay(c.year, c.month, c.day)),
                static_cast<double>(c.jd), 1e-6);
  }
}

TEST(JulianDay, AcceptsDaysOutsideTheMonth) {
  EXPECT_EQ(JulianDay(1999, 4, 31), JulianDay(1999, 5, 1));
  EXPECT_EQ(JulianDay(2026, 2, 31), JulianDay(2026, 3, 3));
  EXPECT_EQ(JulianDay(2026, 1, 0.5L), JulianDay(2025, 12, 31.5L));
  EXPECT_EQ(JulianDay(1999, 12, 32), JulianDay(2000, 1, 1));
}

TEST(CalendarDate, InvertsTheJulianDay) {
  const struct {
    long double jd;
    long double year, month, day;
  } cases[] = {
      {2436116.31L, 1957, 10, 4.81L}, {2299160.5L, 1582, 10, 15},
      {2299159.5L, 1582, 10, 4},      {0.0L, -4712, 1, 1.5L},
      {2451544.5L, 2000, 1, 1},       {2415079.5L, 1900, 3, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.jd));
    long double y = 0, m = 0, d = 0;
    CalendarDate(c.jd, y, m, d);
    EXPECT_EQ(y, c.year);
    EXPECT_EQ(m, c.month);
    EXPECT_NEAR(static_cast<double>(d), static_cast<double>(c.day), 1e-8);
  }
  // A day beyond the end of April comes back as May 1.
  long double y = 0, m = 0, d = 0;
  CalendarDate(JulianDay(1999, 4, 31), y, m, d);
  EXPECT_EQ(y, 1999);
  EXPECT_EQ(m, 5);
  EXPECT_EQ(d, 1);
  // 29 February 1900 does not exist in the Gregorian calendar.
  CalendarDate(JulianDay(1900, 2, 29), y, m, d);
  EXPECT_EQ(m, 3);
  EXPECT_EQ(d, 1);
}

TEST(WeekdayText, NamesTheGmtDate) {
  const struct {
    long double jd;
    const char* text;
  } cases[] = {
      {JulianDay(2000, 1, 1), "  Saturday  "},
      {JulianDay(2000, 1, 1.5L), "  Saturday  "},
      {JulianDay(2000, 1, 1 + 86399.0L / 86400), "  Saturday  "},
      {JulianDay(1999, 12, 31), "  Friday    "},
      {JulianDay(1900, 1, 1), "  Monday    "},
      {JulianDay(2000, 1, 2), "  Sunday    "},
      {JulianDay(2000, 1, 2 + 11.0L / 24), "  Sunday    "},
      {JulianDay(2000, 1, 2 + 23.0L / 24), "  Sunday    "},
      {JulianDay(2026, 3, 5), "  Thursday  "},
      {JulianDay(2026, 3, 3), "  Tuesday   "},
      {JulianDay(2026, 3, 4), "  Wednesday "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.jd));
    EXPECT_EQ(WeekdayText(c.jd), c.text);
  }
}

TEST(WeekdayText, EveryJulianDayHasAWeekday) {
  // Day numbers below zero keep the seven-day cycle instead of indexing
  // outside the table of names.
  const std::string names[] = {"  Sunday    ", "  Monday    ", "  Tuesday   ",
                               "  Wednesday ", "  Thursday  ", "  Friday    ",
                               "  Saturday  "};
  auto isName = [&](const std::string& text) {
    for (const std::string& name : names) {
      if (text == name) return true;
    }
    return false;
  };
  EXPECT_EQ(WeekdayText(0.0L), "  Monday    ");  // JD 0 was a Monday
  for (long double jd : {-1.6L, -2.0L, -7.0L, -100.25L, -1e12L, 1e12L}) {
    EXPECT_TRUE(isName(WeekdayText(jd))) << static_cast<double>(jd);
  }
  // Seven consecutive negative day numbers give seven different names.
  std::set<std::string> week;
  for (int z = -20; z > -27; --z) week.insert(WeekdayText(z));
  EXPECT_EQ(week.size(), 7u);
}

}  // namespace
