// Sight reduction: computed altitude and azimuth from the assumed position,
// by the cosine formula of spherical trigonometry.
#include <cmath>

#include "astro/astrproc.h"

using namespace astro;

namespace {
inline long double ClampUnit(long double q) {
  if (q > 1) q = 1;
  if (q < -1) q = -1;
  return q;
}
}  // namespace

long double ZenithDistance(long double a, long double b, long double c) {
  // The two products are rounded to doubles before the extended sum.
  const double cosProduct = std::cos(static_cast<double>(c)) *
                            (std::cos(static_cast<double>(b)) *
                             std::cos(static_cast<double>(a)));
  const double sinProduct =
      std::sin(static_cast<double>(b)) * std::sin(static_cast<double>(a));
  // Rounding can push q just outside [-1, 1] for coincident or antipodal
  // points; the clamp keeps acos defined.
  const long double q = ClampUnit(static_cast<long double>(cosProduct) + sinProduct);
  return std::fabs(std::acos(static_cast<double>(q)));
}

long double AzimuthAngle(long double phi, long double lambda,
                         long double delta, long double w) {
  const long double h = w - lambda;  // -LHA: hour angle counted eastward
  const long double z = ZenithDistance(phi, delta, h);
  const double numerator =
      std::sin(static_cast<double>(delta)) -
      std::cos(static_cast<double>(z)) * std::sin(static_cast<double>(phi));
  const long double divisor = static_cast<long double>(std::cos(static_cast<double>(phi))) *
                              std::sin(static_cast<double>(z));
  // At the zenith (z = 0) the divisor is zero and the azimuth undefined: take
  // q = 1, i.e. north (2 pi when the body is west of the meridian).
  long double q = 1;
  if (divisor != 0) {
    q = numerator / divisor;
    if (std::isnan(q)) q = 1;
  }
  q = ClampUnit(q);
  const long double A = std::acos(static_cast<double>(q));
  if (std::sin(static_cast<double>(h)) >= 0) return A;  // east of, or on, the meridian
  return kTwoPi - A;
}

void AltitudeAzimuth(double gha, double dec, double lat, double lon,
                     double& altitude, double& azimuth) {
  const long double phi = DegMinToRadians(lat);
  const long double lambda = DegMinToRadians(lon);

  long double lha = gha + lambda;
  if (lha > kPi) lha = lha - kTwoPi;
  altitude = static_cast<double>(kHalfPi - ZenithDistance(phi, dec, lha));

  long double g = gha;
  if (g > kPi) g = g - kTwoPi;
  azimuth = static_cast<double>(AzimuthAngle(phi, lambda, dec, -g));
}
