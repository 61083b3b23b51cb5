// The Moon's ecliptic place from a truncated analytical lunar theory and its
// apparent right ascension, declination, horizontal parallax and
// semi-diameter (after Meeus, "Astronomical Formulae for Calculators").
//
// Arithmetic is extended (long double); decimal constants are the nearest
// doubles, widened; sin, cos, tan, asin and atan are the double functions.
#include "moon/moon.h"

#include <cmath>

#include "astro/astrproc.h"
#include "astro/trig.h"
#include "moon/moon_terms.h"

using namespace astro;

namespace {

// Argument of a periodic term, radians: the multipliers times D, M, M', F.
long double TermArgument(const MoonTerm& t, long double D, long double M,
                         long double Mp, long double F) {
  return t.d * D + t.m * M + t.mp * Mp + t.f * F;
}

}  // namespace

MoonMeanElements ReduceMoonMeanElements(MoonMeanElements e) {
  e.meanLongitude = ReduceFromAbove(e.meanLongitude, 360);
  e.sunAnomaly = ReduceFromAbove(e.sunAnomaly, 360);
  e.moonAnomaly = ReduceFromAbove(e.moonAnomaly, 360);
  e.elongation = ReduceFromAbove(e.elongation, 360);
  e.latitudeArgument = ReduceFromAbove(e.latitudeArgument, 360);
  e.node = ReduceFromBelow(e.node, 360);
  return e;
}

MoonEcliptic MoonEclipticPosition(long double year, long double month,
                                  long double day, long double hour,
                                  long double minute, long double second) {
  // Time argument: GMT plus Delta T, the day carrying the time of day.
  // JulianDay accepts a day below 1 or past the month's end, so an instant
  // moved across midnight, a month or a year simply runs on.
  const long double jd0 = JulianDay(year, month, day);
  const long double T0 = (jd0 - kJD1900) * kInv36525;
  const long double dT = DeltaTMinutes(T0);
  const long double adjustedMinute = minute + dT;
  const long double h = adjustedMinute * kInv60 + hour + second * kInv3600;
  const long double adjustedDay = day + h * kInv24;
  const long double jd = JulianDay(year, month, adjustedDay);
  const long double T = (jd - kJD1900) * kInv36525;
  const long double T2 = T * T;
  const long double T3 = T2 * T;

  // Mean elements, degrees.
  MoonMeanElements e;
  e.meanLongitude =
      270.434164 + 481267.8831 * T - 0.001133 * T2 + 0.0000019 * T3;
  e.sunAnomaly = 358.475833 + 35999.0498 * T - 0.00015 * T2 - 0.0000033 * T3;
  e.moonAnomaly =
      296.104608 + 477198.8491 * T + 0.009192 * T2 + 0.0000144 * T3;
  e.elongation =
      350.737486 + 445267.1142 * T - 0.001436 * T2 + 0.0000019 * T3;
  e.latitudeArgument =
      11.250889 + 483202.0251 * T - 0.003211 * T2 - 0.0000003 * T3;
  e.node = 259.183275 - 1934.142 * T + 0.002078 * T2 + 0.0000022 * T3;
  e = ReduceMoonMeanElements(e);

  // Long-period additive corrections, degrees, from the reduced elements.
  // No reduction follows them.
  const long double omega = e.node;
  const long double A = Sin(DegToRad(51.2 + 20.2 * T));
  const long double V =
      0.003964 * Sin(DegToRad(346.56 + 132.87 * T - 0.0091731 * T2));
  const long double S = Sin(DegToRad(omega));
  const long double G = -0.0043288 * Sin(DegToRad(omega + 275.05 - 2.3 * T));

  const long double Lp = e.meanLongitude + 0.000233 * A + V + 0.001964 * S;
  const long double M = DegToRad(e.sunAnomaly - 0.001778 * A);
  const long double Mp =
      DegToRad(e.moonAnomaly + 0.000817 * A + V + 0.002541 * S);
  const long double D =
      DegToRad(e.elongation + 0.002011 * A + V + 0.001964 * S);
  const long double F =
      DegToRad(e.latitudeArgument + V - 0.024691 * S + G);
  const long double omegaRad = DegToRad(omega);

  // Eccentricity factor of the Earth's orbit for the terms in M.
  const long double E = 1 - 0.002495 * T - 0.00000752 * T2;
  const long double factor[3] = {1, E, E * E};

  long double lambda = Lp;
  for (const MoonTerm& t : MoonLongitudeTerms) {
    lambda = lambda + t.coefficient * factor[t.ePower] *
                          Sin(TermArgument(t, D, M, Mp, F));
  }

  long double B = 0;
  for (const MoonTerm& t : MoonLatitudeTerms) {
    B = B + t.coefficient * factor[t.ePower] *
                Sin(TermArgument(t, D, M, Mp, F));
  }
  const long double w1 = 0.0004664 * Cos(omegaRad);
  const long double w2 =
      0.0000754 * Cos(omegaRad + DegToRad(275.05 - 2.3 * T));
  const long double beta = B * (1 - w1 - w2);

  long double P = kMoonParallaxConstant;
  for (const MoonTerm& t : MoonParallaxTerms) {
    P = P + t.coefficient * factor[t.ePower] *
                Cos(TermArgument(t, D, M, Mp, F));
  }

  return MoonEcliptic{T, lambda, beta, P};
}

void MoonPosition(long double year, long double month, long double day,
                  long double hour, long double minute, long double second,
                  long double& ra, long double& dec, long double& hp,
                  long double& sd) {
  const MoonEcliptic m =
      MoonEclipticPosition(year, month, day, hour, minute, second);
  hp = m.parallax;  // degrees

  // Mean obliquity of date, no nutation: the place refers to the mean
  // equator and equinox of date.
  const long double eps = DegToRad(MeanObliquityDegrees(m.T));
  const long double lambda = DegToRad(m.longitude);
  const long double beta = DegToRad(m.latitude);

  const long double sinEps = Sin(eps);
  const long double cosEps = Cos(eps);
  const long double sinLambda = Sin(lambda);
  const long double sinBeta = Sin(beta);
  const long double cosBeta = Cos(beta);
  const long double tanBeta = std::tan(static_cast<double>(beta));

  // alpha = atan(y / x), put into the quadrant of (x, y) and then into
  // [0, 2 pi).  The cosine of a double is never exactly 0, so y / x is finite.
  const long double y = sinLambda * cosEps - tanBeta * sinEps;
  const long double x = Cos(lambda);
  long double alpha = std::atan(static_cast<double>(y / x));
  if (x < 0) alpha = alpha + kPi;
  if (alpha < 0) alpha = alpha + kTwoPi;
  ra = alpha;

  dec = std::asin(
      static_cast<double>(sinBeta * cosEps + cosBeta * sinEps * sinLambda));

  // The Moon's radius is 0.272476 of the Earth's equatorial radius; times
  // 60 turns the degrees of P into arc minutes.
  sd = 0.272476 * m.parallax * 60;
}
