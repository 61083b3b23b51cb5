// Apparent place of a star: proper motion, rigorous precession from B1950.0
// to the mean equinox of date, nutation and annual aberration, after the
// low-precision reduction of the astronomical calculator literature (Meeus,
// "Astronomical Formulae for Calculators": precession with the angles zeta,
// z, theta of Newcomb's theory, nutation and aberration in right ascension
// and declination with the constant of aberration 20.49").
#include <cmath>

#include "astro/astrproc.h"
#include "astro/trig.h"
#include "stars/reduction.h"
#include "stars/stars.h"

namespace stars {

namespace {

using astro::kInv180;
using astro::kInv3600;
using astro::kPi;

constexpr long double kInv6480 = 1.0L / 6480.0L;      // pi/6480: 100 yr x arcsec -> rad
constexpr long double kInv648000 = 1.0L / 648000.0L;  // arcsec -> rad after pi
// Reciprocal of the tropical century, 36524.2199 days (the double value).
constexpr long double kInvTropicalCentury = 1.0L / static_cast<long double>(36524.2199);
constexpr long double kJDB1950 = 2433282.423;  // epoch B1950.0

// Starting epoch of the precession in tropical centuries from 1900.
constexpr long double kT0 = 0.5;


// Seconds of arc to radians.
inline long double ArcsecToRad(long double arcsec) { return arcsec * kInv3600 * kPi * kInv180; }

// Far from the reference, alpha is first moved by a computed multiple of pi;
// the remaining steps of the loops are then few.  Normal values (within a
// revolution of the reference) never take this path.
constexpr long double kFarApart = 64;
constexpr int kMaxSteps = 16;

}  // namespace

long double NearestBranch(long double reference, long double alpha) {
  if (!(std::fabs(reference - alpha) > 0.1)) return alpha;  // also NaN
  if (!std::isfinite(reference) || !std::isfinite(alpha)) return alpha;

  const long double d = reference - alpha;
  if (std::fabs(d) > kFarApart) {
    // Leave two or three steps of pi for the loops below.
    const long double n = std::trunc(d / kPi) - (d > 0 ? 2 : -2);
    alpha += n * kPi;
  }
  // The step counts are bounded so that the loops end even where pi is below
  // the resolution of alpha.
  for (int i = 0; i < kMaxSteps && reference - alpha < 0.1; ++i) alpha -= kPi;
  for (int i = 0; i < kMaxSteps && reference - alpha > 0.1; ++i) alpha += kPi;
  return alpha;
}

ReductionTerms ReductionTermsAt(long double jd) {
  ReductionTerms r;
  r.T = (jd - astro::kJD1900) * astro::kInv36525;
  r.t = (jd - kJDB1950) * kInvTropicalCentury;

  // Precession angles, seconds of arc (Newcomb, from the epoch T0 = 1950.0).
  const long double T0 = kT0;
  const long double t = r.t;
  const long double t2 = t * t;
  const long double t3 = t2 * t;
  r.zeta = ((2304.25 + 1.396 * T0) * t + 0.302 * t2 + 0.018 * t3) * kPi * kInv648000;
  r.z = r.zeta + (0.791 * t2 + 0.001 * t3) * kPi * kInv648000;
  r.theta = ((2004.682 - 0.853 * T0) * t - 0.426 * t2 - 0.042 * t3) * kPi * kInv648000;

  // The Sun's apparent longitude for the aberration, and the nutation from
  // the mean elements with L, M and the node as the solar theory reduced them.
  const astro::SolarLongitude sun = astro::SolarLongitudeAt(r.T);
  r.sunLongitude = sun.apparentLongitude;
  astro::MeanElements elements = astro::MeanElementsAt(r.T);
  elements.sunLongitude = sun.meanLongitude;
  elements.sunAnomaly = sun.meanAnomaly;
  elements.node = sun.node;
  const astro::Nutation nutation = astro::NutationAt(r.T, elements);
  r.nutationLongitude = nutation.longitude;
  r.nutationObliquity = nutation.obliquity;

  const long double meanObliquity = astro::DegToRad(astro::MeanObliquityDegrees(r.T));
  r.trueObliquity = meanObliquity + ArcsecToRad(r.nutationObliquity);
  return r;
}

}  // namespace stars

void StarPosition(int index, long double year, long double month,
                  long double day, long double& rightAscension,
                  long double& declination) {
  using astro::kInv180;
  using astro::kPi;
  using astro::Cos;
  using astro::Sin;
  using astro::Tan;

  if (index < 0 || index >= StarCount) {
    // Not a catalogue star: no place.
    rightAscension = 0;
    declination = 0;
    return;
  }

  // Catalogue place, radians.
  const long double alpha0 = RA1950[index] * kPi * kInv180;
  const long double delta0 = Dec1950[index] * kPi * kInv180;

  const long double jd = JulianDay(year, month, day);
  const stars::ReductionTerms r = stars::ReductionTermsAt(jd);

  // Proper motion over the 100 t years since B1950.0; PmRA is in seconds of
  // time, hence the factor 15.
  const long double delta1 = delta0 + PmDec[index] * r.t * kPi * stars::kInv6480;
  const long double alpha1 = alpha0 + PmRA[index] * r.t * kPi * 15 * stars::kInv6480;

  // Rigorous precession to the mean equator and equinox of date.
  const long double cosDelta1 = Cos(delta1);
  const long double sinDelta1 = Sin(delta1);
  const long double cosTheta = Cos(r.theta);
  const long double sinTheta = Sin(r.theta);
  const long double cosH = Cos(alpha1 + r.zeta);
  const long double A = cosDelta1 * Sin(alpha1 + r.zeta);
  const long double B = cosTheta * cosDelta1 * cosH - sinTheta * sinDelta1;
  const long double C = sinTheta * cosDelta1 * cosH + cosTheta * sinDelta1;
  long double alpha2 = std::atan(static_cast<double>(A / B)) + r.z;
  const long double delta2 = std::asin(static_cast<double>(C));
  // The arctangent knows the angle only up to pi; take the branch next to
  // the place before precession.
  alpha2 = stars::NearestBranch(alpha1, alpha2);

  // Nutation in right ascension and declination, seconds of arc.
  const long double eps = r.trueObliquity;
  const long double dpsi = r.nutationLongitude;
  const long double deps = r.nutationObliquity;
  const long double sinA = Sin(alpha2);
  const long double cosA = Cos(alpha2);
  const long double tanD = Tan(delta2);
  const long double sinE = Sin(eps);
  const long double cosE = Cos(eps);
  const long double dAlpha1 = (cosE + sinE * sinA * tanD) * dpsi - cosA * tanD * deps;
  const long double dDelta1 = sinE * cosA * dpsi + sinA * deps;

  // Annual aberration, seconds of arc, constant of aberration 20.49".
  const long double lambda = r.sunLongitude;
  const long double cosL = Cos(lambda);
  const long double sinL = Sin(lambda);
  const long double cosD = Cos(delta2);
  const long double sinD = Sin(delta2);
  const long double dAlpha2 = -20.49 * (cosA * cosL * cosE + sinA * sinL) / cosD;
  const long double dDelta2 =
      -20.49 * (cosL * cosE * (Tan(eps) * cosD - sinA * sinD) + cosA * sinD * sinL);

  declination = delta2 + stars::ArcsecToRad(dDelta1 + dDelta2);
  rightAscension = alpha2 + stars::ArcsecToRad(dAlpha1 + dAlpha2);
}
