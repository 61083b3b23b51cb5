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

std::string FormatFixed(long double v, int decimals) {
  if (decimals < 0) decimals = 0;
  if (std::isnan(v)) return "NAN";
  if (std::isinf(v)) return v < 0 ? "-INF" : "INF";

  // Print the magnitude with enough extra digits that the digit after the
  // last one shown is exact: glibc prints the exact binary value, and 40
  // further digits keep its own rounding far away from that digit.
  const long double magnitude = std::fabs(v);
  const int extra = 40;
  const int size =
      std::snprintf(nullptr, 0, "%.*Lf", decimals + extra, magnitude);
  std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
  std::snprintf(buffer.data(), buffer.size(), "%.*Lf", decimals + extra,
                magnitude);
  std::string text(buffer.data(), static_cast<std::size_t>(size));

  const std::size_t point = text.find('.');
  std::string whole = text.substr(0, point);
  std::string fraction = text.substr(point + 1);
  // Half away from zero: the next digit 5 or more rounds the magnitude up.
  const bool roundUp = fraction[static_cast<std::size_t>(decimals)] >= '5';
  std::string digits = whole + fraction.substr(0, static_cast<std::size_t>(decimals));
  if (roundUp) {
    std::size_t i = digits.size();
    while (i > 0) {
      --i;
      if (digits[i] == '9') {
        digits[i] = '0';
      } else {
        ++digits[i];
        break;
      }
      if (i == 0) digits.insert(digits.begin(), '1');
    }
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
