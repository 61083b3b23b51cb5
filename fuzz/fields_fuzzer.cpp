// Feeds arbitrary bytes to every input field parser.  Checks that dates and
// times come out as whole numbers within their clamped ranges, that positions
// are finite, and that the canonical text of every parsed value can be built
// and parses back to that value (a position to within the tenth of a minute
// that its display form rounds to).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/fields/input_fields.h"
#include "astro/astrproc.h"

namespace {

void Fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "check failed: %s\n  text: \"%s\"\n", what,
               text.c_str());
  std::abort();
}

#define CHECK(condition, text)              \
  do {                                      \
    if (!(condition)) Fail(#condition, text); \
  } while (0)

bool WholeIn(long double value, long double low, long double high) {
  return value >= low && value <= high && value == std::trunc(value);
}

void CheckDates(const std::string& text) {
  const long double year = ParseYearText(text);
  const long double month = ParseMonthText(text);
  CHECK(WholeIn(year, 1900, 2050), text);
  CHECK(WholeIn(month, 1, 12), text);
  const int length = MonthLength(month, year);
  CHECK(length >= 28 && length <= 31, text);
  const long double day = ParseDayText(text, month, year);
  CHECK(WholeIn(day, 1, length), text);

  CHECK(ParseYearText(YearFieldText(year)) == year, text);
  CHECK(ParseMonthText(TwoDigitFieldText(month)) == month, text);
  CHECK(ParseDayText(TwoDigitFieldText(day), month, year) == day, text);
}

// Month and year as raw bit patterns (NaN, infinities, huge values): the day
// still lands in 1..31.
void CheckRawMonthLength(const std::string& text, const std::uint8_t* data,
                         std::size_t size) {
  if (size < 2 * sizeof(long double)) return;
  long double month;
  long double year;
  std::memcpy(&month, data, sizeof month);
  std::memcpy(&year, data + sizeof month, sizeof year);
  const int length = MonthLength(month, year);
  CHECK(length >= 28 && length <= 31, text);
  CHECK(WholeIn(ParseDayText(text, month, year), 1, length), text);
}

void CheckGMT(const std::string& text) {
  long double hour = 10;
  long double minute = 20;
  long double second = 30;
  ParseGMTText(text, hour, minute, second);
  CHECK(WholeIn(hour, 0, 23), text);
  CHECK(WholeIn(minute, 0, 59), text);
  CHECK(WholeIn(second, 0, 59), text);

  const int h = static_cast<int>(hour);
  const int m = static_cast<int>(minute);
  const int s = static_cast<int>(second);
  for (const std::string& form :
       {GMTFieldText(hour, minute, second), StartupGMTText(h, m, s)}) {
    long double h2 = -1;
    long double m2 = -1;
    long double s2 = -1;
    ParseGMTText(form, h2, m2, s2);
    CHECK(h2 == hour && m2 == minute && s2 == second, text + "\" -> \"" + form);
  }
}

// Characters of a UTF-8 text (lead bytes and stray bytes, not continuation
// bytes).
std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

void CheckPositions(const std::string& text) {
  for (const char* separator : {".", ",", "\u066B"}) {
    SetDecimalSeparator(separator);
    for (const PositionAxis axis :
         {PositionAxis::kLatitude, PositionAxis::kLongitude}) {
      const double value = ParsePositionText(text, axis, separator);
      CHECK(std::isfinite(value), text);

      const std::string form = PositionFieldText(value, axis);
      const double back = ParsePositionText(form, axis, separator);
      CHECK(std::isfinite(back), text + "\" -> \"" + form);
      // A display form longer than the 31 characters the parser reads (only
      // for degrees of 18 digits and more) cannot come back whole.
      if (CharacterCount(form) > 31) continue;
      // The suffix carries the sign; the minutes are rounded to a tenth,
      // 0.0005 in packed units, plus the rounding of the stored double.
      CHECK(value > 0 ? !(back < 0) : !(back > 0), text + "\" -> \"" + form);
      const double tolerance = 0.00050001 + std::fabs(value) * 4.5e-16;
      CHECK(std::fabs(back - value) <= tolerance, text + "\" -> \"" + form);
    }
  }
  SetDecimalSeparator(".");
}

// The display form must be buildable for any double, NaN and infinities
// included.
void CheckRawPositionText(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double)) return;
  double value;
  std::memcpy(&value, data, sizeof value);
  const std::string form = PositionFieldText(value, PositionAxis::kLongitude);
  const double back =
      ParsePositionText(form, PositionAxis::kLongitude, DecimalSeparator());
  CHECK(std::isfinite(back), form);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckDates(text);
  CheckRawMonthLength(text, data, size);
  CheckGMT(text);
  CheckPositions(text);
  CheckRawPositionText(data, size);
  return 0;
}
