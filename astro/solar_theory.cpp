// The Sun's apparent longitude: Keplerian orbit of the Earth with the
// eccentricity, five periodic perturbations (Venus, Jupiter, the Moon and a
// long-period term), the constant part of the aberration and the node term of
// the nutation in longitude.  Low-precision solar theory of the astronomical
// calculator literature (Meeus), good to about 0.01 degree.
#include <cmath>

#include "astro/astrproc.h"

namespace astro {

long double SolveKepler(long double meanAnomaly, long double eccentricity) {
  const long double M = meanAnomaly;
  const long double e = eccentricity;
  long double E = M;
  // Newton's method converges in three or four steps for e < 0.02; the cap
  // only guards against a non-finite argument looping forever.
  for (int step = 0; step < 100; ++step) {
    const long double next =
        E + (M + e * std::sin(static_cast<double>(E)) - E) /
                (1 - e * std::cos(static_cast<double>(E)));
    const bool done = std::fabs(next - E) <= 1e-10;
    E = next;
    if (done) break;
  }
  return E;
}

SolarLongitude SolarLongitudeAt(long double T) {
  const long double T2 = T * T;
  const MeanElements el = MeanElementsAt(T);
  SolarLongitude s;

  // Mean longitude and mean anomaly, brought below 2 pi from above only.
  s.meanLongitude = ReduceFromAbove(el.sunLongitude, kTwoPi);
  s.meanAnomaly = ReduceFromAbove(el.sunAnomaly, kTwoPi);
  const long double L = s.meanLongitude;
  const long double M = s.meanAnomaly;

  const long double e = 0.01675104 - 0.0000418 * T - 0.000000126 * T2;
  s.eccentricity = e;

  const long double E = SolveKepler(M, e);
  long double v =
      2 * std::atan(std::tan(static_cast<double>(E * 0.5)) *
                    std::sqrt(static_cast<double>((1 + e) / (1 - e))));
  if (v < 0) v += kTwoPi;
  if (v > kTwoPi) v -= kTwoPi;
  s.trueAnomaly = v;

  const long double trueLongitude = L + v - M;

  // Node of the Moon's orbit, degrees in [0, 360], then radians.
  long double node = NodeLongitudeDegrees(T);
  node = ReduceFromAbove(node, 360);
  node = ReduceFromBelow(node, 360);
  node = DegToRad(node);
  s.node = node;

  // Aberration (-20.5") and nutation in longitude (node term).
  long double lambda =
      trueLongitude -
      (0.00569 + 0.00479 * std::sin(static_cast<double>(node))) * kPi * kInv180;

  // Periodic perturbations, degrees; the bracket is summed in double.
  const double p1 = static_cast<double>(DegToRad(153.23 + 22518.7541 * T));
  const double p2 = static_cast<double>(DegToRad(216.57 + 45037.5082 * T));
  const double p3 = static_cast<double>(DegToRad(312.69 + 32964.3577 * T));
  const double p4 =
      static_cast<double>(DegToRad(350.74 + 445267.1142 * T - 0.00144 * T2));
  const double p5 = static_cast<double>(DegToRad(231.19 + 20.2 * T));
  const double perturbation = 0.00134 * std::cos(p1) + 0.00154 * std::cos(p2) +
                              0.002 * std::cos(p3) + 0.00179 * std::sin(p4) +
                              0.00178 * std::sin(p5);
  lambda = lambda + perturbation * kPi * kInv180;
  if (lambda > kTwoPi) lambda -= kTwoPi;
  s.apparentLongitude = lambda;
  return s;
}

}  // namespace astro
