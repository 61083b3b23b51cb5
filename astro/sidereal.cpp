// Greenwich apparent sidereal time, the GHA of Aries.
#include <cmath>

#include "astro/astrproc.h"

using namespace astro;

long double ApparentSiderealTime(long double year, long double month,
                                 long double day, long double hour,
                                 long double minute, long double second) {
  const long double jd = JulianDay(year, month, day);
  const long double T = (jd - kJD1900) * kInv36525;

  // Mean sidereal time at 0h of the date, in revolutions, and the sidereal
  // angle of the time of day (1.002737908 sidereal per solar unit).
  const long double theta0 = T * T * 0.000001075 + T * 100.0021359 + 0.276919398;
  const long double tau =
      ((minute * kInv60 + hour) + second * kInv3600) * 1.002737908 * kInv24;
  const long double theta = theta0 + tau;

  // Equation of the equinoxes: nutation in longitude projected on the
  // equator, with the true obliquity; mean elements at 0h of the date.
  const MeanElements el = MeanElementsAt(T);
  const Nutation nut = NutationAt(T, el);
  const long double eps0 = DegToRad(MeanObliquityDegrees(T));
  const long double eps = eps0 + nut.obliquity * kInv3600 * kPi * kInv180;
  const long double eq = nut.longitude * std::cos(static_cast<double>(eps));

  long double s = FracPart(theta) + eq * kInv1296000;  // revolutions
  if (s < 0) s += 1;
  if (s >= 1) s -= 1;
  return s * 2 * kPi;
}
