// Calendar and Julian Day.
//
// The algorithm of the Julian Day and of its inverse is the classical one of
// the astronomical calculator literature (Meeus): whole-number steps truncate
// toward zero, the Gregorian correction applies from 1582 October 15, and two
// corrections put the days of the astronomical year 0 right.
#include <cmath>

#include "astro/astrproc.h"

namespace {
constexpr long double kInv36524_25 = 1.0L / 36524.25L;
constexpr long double kInv365_25 = 1.0L / 365.25L;
constexpr long double kInv30_6001 = 1.0L / 30.6001L;
}  // namespace

long double JulianDay(long double year, long double month, long double day) {
  // January and February count as months 13 and 14 of the previous year.
  long double y = year;
  long double m = month;
  if (!(month > 2)) {
    y = year - 1;
    m = month + 12;
  }
  // Date number year.MMDD, from the unshifted year and month.
  const long double k = month * 0.01 + year + day * 0.0001;

  long double b = 0;  // Gregorian century correction
  if (k >= 1582.1015) {
    const long double a = TruncInt(y * 0.01);
    b = 2 - a + TruncInt(a * 0.25);
  }
  const long double c =
      (k >= 0) ? TruncInt(365.25 * y) : TruncInt(365.25 * y - 0.75);
  const long double d = TruncInt(30.6001 * (m + 1));

  long double jd = ((d + c) + day) + 1720994.5;
  jd = jd + b;
  // Year 0: one day off January 1 to March 2, given back to March 0.x and 1.x.
  if (jd > 1721057.5 && jd < 1721118.5) jd = jd - 1;
  if (k > 0.03 && k < 0.0302) jd = jd + 1;
  return jd;
}

void CalendarDate(long double jd, long double& year, long double& month,
                  long double& day) {
  const long double j = jd + 0.5;
  const long double z = TruncInt(j);
  const long double f = FracPart(j);

  long double a = z;
  if (!(z < 2299161)) {
    const long double alpha = TruncInt((z - 1867216.25) * kInv36524_25);
    a = z + 1 + alpha - TruncInt(alpha * 0.25);
  }
  const long double b = a + 1524;
  const long double c = TruncInt((b - 122.1) * kInv365_25);
  const long double d = TruncInt(365.25 * c);
  const long double e = TruncInt((b - d) * kInv30_6001);

  day = (b - d) - TruncInt(30.6001 * e) + f;
  month = (e < 13.5) ? e - 1 : e - 13;
  year = (month > 2.5) ? c - 4716 : c - 4715;
}

std::string WeekdayText(long double jd) {
  static const char* const kNames[7] = {
      "  Sunday    ", "  Monday    ", "  Tuesday   ", "  Wednesday ",
      "  Thursday  ", "  Friday    ", "  Saturday  "};
  // Z changes exactly at 0h GMT, where the Julian Day ends in .5.
  const long double z = TruncInt(jd + 0.5);
  if (!std::isfinite(z)) return std::string(12, ' ');
  // A modulo that is never negative: every Julian Day has its weekday.
  long double w = std::fmod(z + 1, 7.0L);
  if (w < 0) w += 7;
  return kNames[static_cast<int>(w)];
}
