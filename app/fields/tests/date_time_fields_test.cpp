#include <gtest/gtest.h>

#include <string>

#include "app/fields/input_fields.h"

namespace {

struct DateCase {
  const char* text;
  long double expected;
};

TEST(YearText, DigitsAreReadAndClamped) {
  const DateCase cases[] = {
      {"", 1900},            // emptied field
      {"2", 1900},           // partial input below the range
      {" 1998", 1998},
      {"1 998", 1998},       // blanks are skipped
      {"-1998", 1998},       // signs are skipped
      {"abc", 1900},
      {" 2051", 2050},
      {" 2050", 2050},
      {" 1900", 1900},
      // 11-character working copy, of which the first 9 digits count:
      // 123456789 clamps to the upper bound.
      {"12345678901234567890", 2050},
      // 2^32 read through a 32-bit integer would wrap to 0.
      {"4294967296", 2050},
      // Digits beyond the 11th character are not looked at.
      {"           2024", 1900},
      // A degree sign is one character of the working copy, not two.
      {"\u00B0\u00B0\u00B0\u00B0\u00B0\u00B0\u00B0" "2000", 2000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseYearText(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(MonthText, DigitsAreReadAndClamped) {
  const DateCase cases[] = {
      {"", 1}, {"0", 1}, {" 06", 6}, {" 12", 12}, {" 13", 12},
      {"99999999999999", 12},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseMonthText(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(DayText, ClampedToTheLengthOfTheMonth) {
  struct Case {
    const char* text;
    long double month;
    long double year;
    long double expected;
  };
  const Case cases[] = {
      {" 31", 4, 2024, 30},
      {" 31", 5, 2024, 31},
      {" 29", 2, 1900, 29},  // divisible by 4: accepted
      {" 29", 2, 1901, 28},
      {" 30", 2, 2000, 29},
      {"", 7, 2024, 1},
      {" 00", 7, 2024, 1},
      {" 15", 6, 2024, 15},
      {"99999999999", 12, 2024, 31},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseDayText(c.text, c.month, c.year), c.expected)
        << '"' << c.text << "\" month " << static_cast<double>(c.month)
        << " year " << static_cast<double>(c.year);
  }
}

TEST(MonthLength, TableAndLeapRule) {
  const int common[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(MonthLength(month, 2023), common[month - 1]) << month;
    const int leap = month == 2 ? 29 : common[month - 1];
    EXPECT_EQ(MonthLength(month, 2024), leap) << month;
  }
  EXPECT_EQ(MonthLength(2, 1900), 29);
  EXPECT_EQ(MonthLength(2, 2100), 29);
  EXPECT_EQ(MonthLength(2.9L, 2023.7L), 28);  // both truncated
  for (const long double other : {0.0L, 13.0L, -2.0L, 1e30L}) {
    EXPECT_EQ(MonthLength(other, 2024), 30) << static_cast<double>(other);
  }
}

TEST(DateFieldTexts, BlankThenDigits) {
  EXPECT_EQ(YearFieldText(1900), " 1900");
  EXPECT_EQ(YearFieldText(2050), " 2050");
  const std::pair<long double, const char*> twoDigit[] = {
      {1, " 01"}, {3, " 03"}, {9, " 09"}, {10, " 10"}, {31, " 31"},
  };
  for (const auto& [value, text] : twoDigit) {
    EXPECT_EQ(TwoDigitFieldText(value), text);
  }
}

TEST(DateFieldTexts, ParseBackToTheirValue) {
  for (long double year = 1900; year <= 2050; ++year) {
    EXPECT_EQ(ParseYearText(YearFieldText(year)), year);
  }
  for (long double month = 1; month <= 12; ++month) {
    EXPECT_EQ(ParseMonthText(TwoDigitFieldText(month)), month);
    for (long double day = 1; day <= MonthLength(month, 2024); ++day) {
      EXPECT_EQ(ParseDayText(TwoDigitFieldText(day), month, 2024), day);
    }
  }
}

TEST(GMTText, NumbersAreSeparatedReadAndClamped) {
  struct Case {
    const char* text;
    long double hour, minute, second;
  };
  // Previous values 10:20:30: numbers the text does not reach keep them.
  const Case cases[] = {
      {"12:34:38", 12, 34, 38},
      {"12;34;38", 12, 34, 38},
      {"12x34x38", 12, 34, 38},
      {" 12:23:34", 12, 23, 34},
      {"12 34 38", 23, 20, 30},  // one number, clamped
      {"25:61:61", 23, 59, 59},
      {"", 0, 20, 30},
      {"1", 1, 20, 30},
      {"12:34", 12, 34, 30},
      {"12:5:07", 12, 5, 7},
      {"12.5.3", 12, 5, 3},
      {"7.5.3", 7, 5, 3},
      {"12::30", 12, 0, 30},
      {":", 0, 0, 30},
      {"12:34:56:78", 12, 34, 56},
      {"12:34:", 12, 34, 0},
      {"12\u00B030\u00B045", 12, 30, 45},  // a degree sign is one separator
      {"4294967296:4294967296:99", 23, 59, 59},
      // 25 digits: the first 21 are read, far above any bound.
      {"9999999999999999999999999:00", 23, 0, 30},
      // Only the first 31 characters count.
      {"                             12:34:56", 12, 20, 30},
  };
  for (const auto& c : cases) {
    long double hour = 10, minute = 20, second = 30;
    ParseGMTText(c.text, hour, minute, second);
    EXPECT_EQ(hour, c.hour) << '"' << c.text << '"';
    EXPECT_EQ(minute, c.minute) << '"' << c.text << '"';
    EXPECT_EQ(second, c.second) << '"' << c.text << '"';
  }
}

TEST(GMTText, ExitAndStartupForms) {
  struct Case {
    int hour, minute, second;
    const char* exitText;
    const char* startupText;
  };
  const Case cases[] = {
      {0, 0, 0, "00:00:00", "00:00:00"},
      {7, 4, 9, "07:04:09", "07:04:09"},
      {9, 5, 7, "09:05:07", "09:05:07"},
      {10, 0, 10, " 10:00:10", "10:00:10"},
      {12, 23, 34, " 12:23:34", "12:23:34"},
      {23, 59, 59, " 23:59:59", "23:59:59"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GMTFieldText(c.hour, c.minute, c.second), c.exitText);
    EXPECT_EQ(StartupGMTText(c.hour, c.minute, c.second), c.startupText);
  }
}

TEST(GMTText, OneDigitHourThenLeavingKeepsMinuteAndSecond) {
  long double hour = 12, minute = 23, second = 34;
  ParseGMTText("1", hour, minute, second);
  EXPECT_EQ(GMTFieldText(hour, minute, second), "01:23:34");
}

TEST(GMTText, FormsParseBackToTheirValue) {
  for (int hour = 0; hour <= 23; ++hour) {
    for (int minute = 0; minute <= 59; minute += 7) {
      const int second = 59 - minute;
      for (const std::string& text :
           {GMTFieldText(hour, minute, second),
            StartupGMTText(hour, minute, second)}) {
        long double h = -1, m = -1, s = -1;
        ParseGMTText(text, h, m, s);
        EXPECT_EQ(h, hour) << text;
        EXPECT_EQ(m, minute) << text;
        EXPECT_EQ(s, second) << text;
      }
    }
  }
}

}  // namespace
