// Angle texts in whole degrees and minutes with two decimals.
#include <cmath>

#include "astro/astrproc.h"

namespace {

const char* const kDegreeSign = "\u00B0";

struct DegreesMinutes {
  std::string degrees;  // whole degrees, >= 0, in decimal
  bool belowTen;
  std::string minutes;  // two digits, separator, two decimals
};

// Splits |x| (radians) into whole degrees and minutes text through the packed
// DD.MM form, which has already carried minutes above 59.95' into the next
// degree.
DegreesMinutes Split(double x) {
  const double p = RadiansToDegMin(std::fabs(x));
  DegreesMinutes dm;
  const long double d = TruncInt(p);
  dm.degrees = FormatFixed(d, 0);  // exact for any magnitude
  dm.belowTen = d < 10;
  const double m = static_cast<double>(FracPartDouble(std::fabs(p)) * 100);
  dm.minutes = FormatFixed(m, 2);
  // Two digits before the separator: "09.99", but "10.00" for 9.996'.
  if (dm.minutes.size() - DecimalSeparator().size() - 2 < 2) {
    dm.minutes.insert(dm.minutes.begin(), '0');
  }
  return dm;
}

}  // namespace

std::string FormatAngle(double x) {
  const DegreesMinutes dm = Split(x);
  std::string text = " ";
  if (x < 0) text += "-";
  if (dm.belowTen) text += "0";
  text += dm.degrees;
  text += kDegreeSign;
  text += " ";
  text += dm.minutes;
  text += "'";
  return text;
}

std::string FormatDeclination(double x) {
  const DegreesMinutes dm = Split(x);
  std::string text = dm.belowTen ? "0" : " ";
  text += dm.degrees;
  text += kDegreeSign;
  text += " ";
  text += dm.minutes;
  if (x > 0) {
    text += "' N";
  } else if (x < 0) {
    text += "' S";
  } else {
    text += "'";
  }
  return text;
}
