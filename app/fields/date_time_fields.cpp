// Date and GMT fields: lenient parsers and canonical texts.
#include <cmath>
#include <string>

#include "app/fields/field_characters.h"
#include "app/fields/input_fields.h"
#include "astro/astrproc.h"

using fields_detail::DigitValue;
using fields_detail::ForEachCharacter;
using fields_detail::IsDigit;

namespace {

constexpr std::size_t kDateCopyLength = 11;  // characters of a date text
constexpr std::size_t kDateDigits = 9;       // digits of a date number
constexpr std::size_t kGMTCopyLength = 31;   // characters of a GMT text
constexpr std::size_t kGMTDigits = 21;       // digits of one GMT number

// The digits of a date text as one whole number.  Accumulating in long double
// cannot overflow; a value too large for the field clamps to its upper bound
// all the same.
long double DateNumber(const std::string& text) {
  long double value = 0;
  std::size_t digits = 0;
  ForEachCharacter(text, kDateCopyLength, [&](std::string_view c) {
    if (IsDigit(c) && digits < kDateDigits) {
      value = value * 10 + DigitValue(c);
      ++digits;
    }
  });
  return value;
}

long double Clamp(long double value, long double low, long double high) {
  if (value < low) value = low;
  if (value > high) value = high;
  return value;
}

// Whole number in decimal, exact for any magnitude and without converting
// through a fixed-width integer.
std::string WholeText(long double value) {
  return FormatFixed(TruncInt(value), 0);
}

}  // namespace

long double ParseYearText(const std::string& text) {
  return Clamp(DateNumber(text), 1900, 2050);
}

long double ParseMonthText(const std::string& text) {
  return Clamp(DateNumber(text), 1, 12);
}

long double ParseDayText(const std::string& text, long double month,
                         long double year) {
  return Clamp(DateNumber(text), 1, MonthLength(month, year));
}

int MonthLength(long double month, long double year) {
  static const int kDays[12] = {31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const long double m = TruncInt(month);
  if (!(m >= 1 && m <= 12)) return 30;
  const int index = static_cast<int>(m) - 1;
  if (index != 1) return kDays[index];
  // The leap rule is divisibility by 4 alone.
  return std::fmod(TruncInt(year), 4.0L) == 0 ? 29 : 28;
}

std::string YearFieldText(long double year) { return " " + WholeText(year); }

std::string TwoDigitFieldText(long double value) {
  return (value <= 9 ? " 0" : " ") + WholeText(value);
}

void ParseGMTText(const std::string& text, long double& hour,
                  long double& minute, long double& second) {
  long double* const fields[3] = {&hour, &minute, &second};
  std::size_t numbersRead = 0;
  long double number = 0;
  std::size_t digits = 0;

  const auto closeNumber = [&] {
    if (numbersRead < 3) *fields[numbersRead] = number;
    ++numbersRead;
    number = 0;
    digits = 0;
  };

  ForEachCharacter(text, kGMTCopyLength, [&](std::string_view c) {
    if (IsDigit(c)) {
      if (digits < kGMTDigits) {
        number = number * 10 + DigitValue(c);
        ++digits;
      }
    } else if (c != " ") {
      closeNumber();
    }
  });
  closeNumber();

  hour = Clamp(hour, 0, 23);
  minute = Clamp(minute, 0, 59);
  second = Clamp(second, 0, 59);
}

std::string GMTFieldText(long double hour, long double minute,
                         long double second) {
  std::string text;
  if (hour < 1) {
    text = "00";
  } else if (hour < 10) {
    text = "0" + WholeText(hour);
  } else {
    text = " " + WholeText(hour);
  }
  for (const long double value : {minute, second}) {
    if (value < 1) {
      text += ":00";
    } else if (value < 10) {
      text += ":0" + WholeText(value);
    } else {
      text += ":" + WholeText(value);
    }
  }
  return text;
}

std::string StartupGMTText(int hour, int minute, int second) {
  std::string text;
  for (const int value : {hour, minute, second}) {
    if (!text.empty()) text += ":";
    if (value < 10) text += "0";
    text += std::to_string(value);
  }
  return text;
}
