// Fixed-point number texts with rounding half away from zero and the user's
// decimal separator.
#include <cmath>
#include <cstdio>
#include <vector>

#include "astro/astrproc.h"

namespace {
std::string& SeparatorStorage() {
  static std::string separator = ".";
  return separator;
}
}  // namespace

void SetDecimalSeparator(const std::string& separator) {
  SeparatorStorage() = separator.empty() ? std::string(".") : separator;
}

const std::string& DecimalSeparator() { return SeparatorStorage(); }

namespace {

// Digits of the magnitude rounded half away from zero at the given decimal,
// decided on the exact binary value: glibc prints exact decimal expansions,
// and 40 further digits keep its own rounding far from the deciding digit.
std::string RoundedDigitsExact(long double magnitude, int decimals) {
  const int extra = 40;
  const int size = std::snprintf(nullptr, 0, "%.*Lf", decimals + extra, magnitude);
  std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
  std::snprintf(buffer.data(), buffer.size(), "%.*Lf", decimals + extra, magnitude);
  const std::string text(buffer.data(), static_cast<std::size_t>(size));

  const std::size_t point = text.find('.');
  const std::string fraction = text.substr(point + 1);
  std::string digits = text.substr(0, point) + fraction.substr(0, static_cast<std::size_t>(decimals));
  // Half away from zero: a next digit of 5 or more rounds the magnitude up.
  if (fraction[static_cast<std::size_t>(decimals)] >= '5') {
    std::size_t i = digits.size();
    while (i > 0) {
      --i;
      if (digits[i] != '9') {
        ++digits[i];
        return digits;
      }
      digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
  }
  return digits;
}

// The same digits without printing, when the scaled value is small enough for
// a 64-bit integer and its fraction is clearly away from one half (the
// product magnitude * 10^decimals is off by a few units of 1e-19 at most).
bool RoundedDigitsFast(long double magnitude, int decimals, std::string& digits) {
  if (decimals > 18) return false;
  long double scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const long double scaled = magnitude * scale;
  if (!(scaled < 1e17L)) return false;
  const unsigned long long whole = static_cast<unsigned long long>(scaled);
  const long double rest = scaled - static_cast<long double>(whole);
  if (std::fabs(rest - 0.5L) < 1e-6L) return false;
  const unsigned long long rounded = whole + (rest > 0.5L ? 1 : 0);
  digits = std::to_string(rounded);
  if (digits.size() < static_cast<std::size_t>(decimals) + 1) {
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  }
  return true;
}

}  // namespace

std::string FormatFixed(long double v, int decimals) {
  if (decimals < 0) decimals = 0;
  if (std::isnan(v)) return "NAN";
  if (std::isinf(v)) return v < 0 ? "-INF" : "INF";

  const long double magnitude = std::fabs(v);
  std::string digits;
  if (!RoundedDigitsFast(magnitude, decimals, digits)) {
    digits = RoundedDigitsExact(magnitude, decimals);
  }
  const std::size_t wholeLength = digits.size() - static_cast<std::size_t>(decimals);
  std::string result = digits.substr(0, wholeLength);
  if (decimals > 0) {
    result += DecimalSeparator();
    result += digits.substr(wholeLength);
  }
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  if (v < 0 && !zero) result.insert(result.begin(), '-');
  return result;
}
