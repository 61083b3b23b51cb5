// Numeric helpers and the packed degrees-and-minutes conversions.
#include <cmath>
#include <cstdint>

#include "astro/astrproc.h"

using astro::kInv180;
using astro::kInv6;
using astro::kInvPi;
using astro::kPi;

long double TruncInt(long double x) {
  // Inside the signed 32-bit range the value passes through an int32_t, which
  // chops toward zero.  Outside it the cast would be undefined behaviour, so
  // truncl does the same job exactly (and leaves inf and NaN as they are).
  if (x > -2147483649.0L && x < 2147483648.0L) {
    return static_cast<long double>(static_cast<std::int32_t>(x));
  }
  return std::trunc(x);
}

long double RoundHalfAway(long double x) {
  if (x < 0) return TruncInt(x - 0.5);
  return TruncInt(x + 0.5);
}

long double FracPart(long double x) { return x - TruncInt(x); }

long double SignOf(double x) {
  if (x > 0) return 1;
  if (x == 0) return 0;
  return -1;
}

long double FracPartDouble(double x) {
  const long double wide = x;
  return wide - TruncInt(wide);
}

long double DegMinToRadians(double p) {
  const long double d = TruncInt(p);
  // The fraction holds minutes/100; minutes/60 is that fraction times 100/60.
  const double m = static_cast<double>((p - d) * 10 * kInv6);
  return (d + m) * kPi * kInv180;
}

double RadiansToDegMin(double x) {
  const long double a = x * 180 * kInvPi;                 // degrees
  const long double d = TruncInt(a);                      // whole degrees
  const double f = static_cast<double>((a - d) * 6 * 0.1);  // minutes/100
  double r = static_cast<double>(d + f);
  const long double magnitude = std::fabs(r);
  // Minutes strictly above 59.95' move to the next degree away from zero.
  if (magnitude - TruncInt(magnitude) > 0.5995) {
    r = static_cast<double>(SignOf(r) * (TruncInt(magnitude) + 1));
  }
  return r;
}

long double ReduceFromAbove(long double x, long double period) {
  if (!(x > period)) return x;
  // x - n*period with n = ceil(x/period) - 1 is the result of n repeated
  // subtractions; the loops mend the last unit of rounding of the quotient.
  const long double n = std::ceil(x / period) - 1;
  if (std::isfinite(n)) x -= n * period;
  if (!std::isfinite(x)) return x;
  while (x > period) x -= period;
  while (x <= 0) x += period;
  return x;
}

long double ReduceFromBelow(long double x, long double period) {
  if (!(x < 0)) return x;
  const long double n = std::floor(-x / period);
  if (std::isfinite(n)) x += n * period;
  if (!std::isfinite(x)) return x;
  while (x < 0) x += period;
  while (x >= period) x -= period;
  return x;
}
