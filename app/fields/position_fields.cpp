// Latitude and longitude fields: lenient parser and display form.
#include <charconv>
#include <cmath>
#include <string>

#include "app/fields/field_characters.h"
#include "app/fields/input_fields.h"
#include "astro/astrproc.h"

using fields_detail::ForEachCharacter;
using fields_detail::IsDigit;

namespace {

constexpr std::size_t kPositionCopyLength = 31;  // characters of the text
constexpr std::size_t kNumberLength = 21;        // characters of one number

// The double 0.01, widened: minutes/100 are added to the degrees in extended
// precision.
constexpr long double kHundredth = 0.01;

const char* const kDegreeSign = "\u00B0";

// Magnitude of the decimal number that a number's text begins with: an
// optional minus, digits, optionally a point and more digits ("5..3" -> 5,
// ".5" -> 0.5, "-" or "--5" -> 0).  At most 21 characters, so always finite.
double LeadingNumber(const std::string& text) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  const std::size_t wholeStart = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  std::string whole = text.substr(wholeStart, i - wholeStart);
  std::string fraction;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionStart = ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    fraction = text.substr(fractionStart, i - fractionStart);
  }
  if (whole.empty() && fraction.empty()) return 0;
  // from_chars reads the point whatever the C locale says, and rounds to the
  // nearest double.
  const std::string literal = (whole.empty() ? "0" : whole) + "." +
                              (fraction.empty() ? "0" : fraction);
  double value = 0;
  std::from_chars(literal.data(), literal.data() + literal.size(), value,
                  std::chars_format::fixed);
  return value;
}

}  // namespace

double ParsePositionText(const std::string& text, PositionAxis axis,
                         const std::string& decimalSeparator) {
  const bool latitude = axis == PositionAxis::kLatitude;
  const std::string_view negativeUpper = latitude ? "S" : "W";
  const std::string_view negativeLower = latitude ? "s" : "w";

  long double sign = 1;
  double degrees = 0;
  double minutes = 0;
  std::string number;
  std::size_t numbersRead = 0;

  const auto append = [&](char c) {
    if (number.size() < kNumberLength) number += c;
  };
  const auto closeNumber = [&] {
    ++numbersRead;
    if (numbersRead == 1) {
      degrees = LeadingNumber(number);
    } else if (numbersRead == 2) {
      minutes = LeadingNumber(number);
    }
    number.clear();
  };

  ForEachCharacter(text, kPositionCopyLength, [&](std::string_view c) {
    if (c == "-" || c == negativeUpper || c == negativeLower) sign = -1;
    if (IsDigit(c) || c == "." || c == "-") {
      append(c[0]);
    } else if (!decimalSeparator.empty() && c == decimalSeparator) {
      append('.');
    } else if (c != " " && c != "+") {
      closeNumber();
    }
  });
  closeNumber();

  return static_cast<double>((minutes * kHundredth + degrees) * sign);
}

std::string PositionFieldText(double value, PositionAxis axis) {
  const bool latitude = axis == PositionAxis::kLatitude;
  const char* suffix;
  if (value > 0) {
    suffix = latitude ? " N" : " E";
  } else {
    suffix = latitude ? " S" : " W";
  }

  const long double a = std::fabs(value);
  const long double d = TruncInt(a);
  // Minutes in single precision; in [0, 100) for any finite value.
  const float m = static_cast<float>((a - d) * 100);
  // Whole degrees in decimal, exact however large.
  const std::string digits = FormatFixed(d, 0);

  std::string text;
  if (latitude) {
    if (d < 1) {
      text = "  00";
    } else if (d < 10) {
      text = "  0" + digits;
    } else {
      text = "  " + digits;
    }
  } else {
    if (d < 1) {
      text = " 000";
    } else if (d < 10) {
      text = " 00" + digits;
    } else if (d < 100) {
      text = "  0" + digits;
    } else {
      text = "   " + digits;
    }
  }
  text += kDegreeSign;
  // Minutes just below 10 that round to 10.0 keep the leading "0" (" 010.0"),
  // and minutes that round to 60.0 stay in the minutes.
  text += m < 10 ? " 0" : " ";
  text += FormatFixed(m, 1);
  text += "'";
  text += suffix;
  return text;
}
