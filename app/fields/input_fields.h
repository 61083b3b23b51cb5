// Parsers and canonical texts of the main window's input fields: year, month,
// day, GMT, latitude and longitude.
//
// The parsers are lenient: they never reject a text, they take the digits or
// numbers that they find, clamp dates and times into range and leave
// positions unchecked.  Each looks only at the start of its text, the
// field's working copy (11 characters for a date, 31 for the GMT and the
// positions), and counts characters, not bytes, of the UTF-8 text.  Digits
// are the ASCII digits 0 to 9; a blank is the ASCII space.
//
// The canonical texts are what the fields show once they are left; parsing
// one of them back gives the value it shows.
#ifndef VELMOOR_APP_FIELDS_INPUT_FIELDS_H
#define VELMOOR_APP_FIELDS_INPUT_FIELDS_H

#include <string>

// ---------------------------------------------------------------------------
// Date fields
//
// The digits of the text (every other character is skipped; at most 9 are
// taken) read as one decimal integer, no digits giving 0, then clamped.  A
// digit string too large for any range clamps to the upper bound.

// Year, 1900 to 2050.  "" -> 1900, " 2051" -> 2050, "-1998" -> 1998.
long double ParseYearText(const std::string& text);

// Month, 1 to 12.  " 13" -> 12.
long double ParseMonthText(const std::string& text);

// Day of month, 1 to MonthLength(month, year).  " 31" in April -> 30.
long double ParseDayText(const std::string& text, long double month,
                         long double year);

// Days in month TruncInt(month) of year TruncInt(year): 31, 30, or for
// February 29 when the year is divisible by 4 (1900 included) and 28
// otherwise; 30 for a month number outside 1 to 12.
int MonthLength(long double month, long double year);

// Year field text: a blank and the year, " 2026".
std::string YearFieldText(long double year);

// Month and day field text: a blank and two digits, " 03", " 31".
std::string TwoDigitFieldText(long double value);

// ---------------------------------------------------------------------------
// GMT field

// Reads up to three numbers, hour, minute and second, into the fields given.
// Any character other than a digit or a blank ends a number; blanks are
// skipped and do not separate ("12 34 38" is the one number 123438).  The
// end of the text ends the last number.  Each number is read from its own
// digits (at most 21), and a number without digits is 0, so "12:5:07" is
// 12:05:07 and "12::30" is 12:00:30.  A number that the text does not reach
// leaves its field as it was (an empty text sets the hour to 0 only); a
// fourth and later numbers are ignored.  Afterwards the hour is clamped to
// 0..23 and the minute and second to 0..59.
void ParseGMTText(const std::string& text, long double& hour,
                  long double& minute, long double& second);

// Text written when the GMT field is left: hours 0 to 9 as "0" and the digit,
// 10 to 23 as a blank and two digits, then ":" and two digits for the minute
// and the second: "09:05:07", " 12:23:34".
std::string GMTFieldText(long double hour, long double minute,
                         long double second);

// Text written at start-up from the clock: two digits each, no blank,
// "07:04:09", "12:23:34".
std::string StartupGMTText(int hour, int minute, int second);

// ---------------------------------------------------------------------------
// Latitude and longitude fields (packed DD.MM values)

enum class PositionAxis { kLatitude, kLongitude };

// Reads a position typed as "-22.347", "22.347 S" or in the display form
// "  22° 34.7' S".  "-" anywhere, and "S"/"s" for a latitude or "W"/"w" for a
// longitude anywhere, make the value negative.  Digits, "." and "-" build a
// number, as does decimalSeparator (the user's regional separator, one
// character) in place of a point; blanks and "+" are skipped; any other
// character and the end of the text end a number.  The first number gives
// the degrees, the second the minutes, each as the absolute value of the
// decimal number its text begins with (0 when there is none); further
// numbers are ignored.  A number keeps at most 21 characters.  The result,
// (minutes * 0.01 + degrees) * sign, is finite and not range-checked.
double ParsePositionText(const std::string& text, PositionAxis axis,
                         const std::string& decimalSeparator);

// Display form of a position, minutes with one decimal in the separator of
// DecimalSeparator(): "  53° 30.0' N", "  22° 34.7' S", " 005° 30.0' E",
// "  014° 30.0' E", "   120° 00.0' W".  Zero (either sign) is south or west.
// Minutes that round up to 60.0 stay 60.0 with the degrees unchanged.
std::string PositionFieldText(double value, PositionAxis axis);

#endif  // VELMOOR_APP_FIELDS_INPUT_FIELDS_H
