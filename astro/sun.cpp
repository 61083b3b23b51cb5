// The Sun's apparent place and semi-diameter, and the equation of time.
#include <cmath>

#include "astro/astrproc.h"

using namespace astro;

void SunPosition(long double year, long double month, long double day,
                 long double hour, long double minute, long double second,
                 long double& ra, long double& dec, long double& sd) {
  const long double T0 = (JulianDay(year, month, day) - kJD1900) * kInv36525;
  const long double dT = DeltaTMinutes(T0);
  const long double h = (minute + dT) * kInv60 + hour + second * kInv3600;
  const long double T =
      (JulianDay(year, month, day + h * kInv24) - kJD1900) * kInv36525;

  const SolarLongitude s = SolarLongitudeAt(T);
  const long double e = s.eccentricity;
  const long double R =
      1.0000002 * (1 - e * e) /
      (1 + e * std::cos(static_cast<double>(s.trueAnomaly)));  // AU

  // The mean longitude is reduced from above only, so before 1899 March 21
  // lambda comes out negative; bring it into [0, 2 pi) so that the quadrant
  // rule below places alpha beside lambda.
  long double lambda = ReduceFromBelow(s.apparentLongitude, kTwoPi);

  // Apparent obliquity, with the node term of the nutation in obliquity.
  const long double eps = MeanObliquityDegrees(T);
  const long double epsApp =
      (eps + 0.00256 * std::cos(static_cast<double>(s.node))) * kPi * kInv180;

  const double cosEps = std::cos(static_cast<double>(epsApp));
  const double sinEps = std::sin(static_cast<double>(epsApp));
  long double alpha =
      std::atan(static_cast<double>(cosEps * std::tan(static_cast<double>(lambda))));
  if (alpha < 0) alpha += kTwoPi;
  if (std::fabs(lambda - alpha) > kPi) {
    alpha = (alpha <= kPi) ? alpha + kPi : alpha - kPi;
  }

  ra = alpha;
  dec = std::asin(static_cast<double>(sinEps * std::sin(static_cast<double>(lambda))));
  sd = 959.63 / R * kInv60;  // arc minutes
}

long double EquationOfTime(long double year, long double month,
                           long double day, long double hour,
                           long double minute, long double second) {
  const long double g =
      ApparentSiderealTime(year, month, day, hour, minute, second) + kPi;
  long double alpha = 0, dec = 0, sd = 0;
  SunPosition(year, month, day, hour, minute, second, alpha, dec, sd);
  // Mean solar hour angle of the time of day, radians.
  const long double t =
      (minute * kInv60 + hour + second * kInv3600) * 15 * kPi * kInv180;
  // The Sun's hour angle from the lower meridian minus GMT, in hours: the
  // equation of time up to a whole day.
  long double x = ((g - alpha) - t) * 180 * kInvPi * kInv15;
  x = FracPart(x);
  if (x > 0.5) x = x - 1;
  if (x < -0.5) x = x + 1;
  return x;
}
