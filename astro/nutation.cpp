// Mean elements of the Sun and the Moon, mean obliquity, and the nutation
// series in longitude (13 terms) and obliquity (9 terms).  Polynomials in T,
// Julian centuries from JD 2415020.0; coefficients as in the low-precision
// theory of the astronomical calculator literature (Meeus).
#include <cmath>

#include "astro/astrproc.h"
#include "astro/trig.h"

namespace astro {

MeanElements MeanElementsAt(long double T) {
  const long double T2 = T * T;
  const long double T3 = T2 * T;
  MeanElements el;
  el.sunLongitude = DegToRad(36000.76892 * T + 279.69668 + 0.0003025 * T2);
  el.moonLongitude = DegToRad(481267.8831 * T + 270.4342 - 0.001133 * T2);
  el.sunAnomaly =
      DegToRad(35999.04975 * T + 358.47583 - 0.00015 * T2 - 0.0000033 * T3);
  el.moonAnomaly = DegToRad(477198.8491 * T + 296.1046 + 0.009192 * T2);
  el.node = DegToRad(NodeLongitudeDegrees(T));
  return el;
}

long double MeanObliquityDegrees(long double T) {
  const long double T2 = T * T;
  return 23.452294 - 0.0130125 * T - 0.00000164 * T2 + 0.000000503 * (T2 * T);
}

long double NodeLongitudeDegrees(long double T) {
  return 259.1833 - 1934.142 * T + 0.002078 * (T * T);
}

Nutation NutationAt(long double T, const MeanElements& el) {
  const long double L = el.sunLongitude;
  const long double Lm = el.moonLongitude;
  const long double M = el.sunAnomaly;
  const long double Mm = el.moonAnomaly;
  const long double N = el.node;

  // Sine terms in longitude and cosine terms in obliquity, seconds of arc,
  // each series summed from the largest term down.
  long double dpsi = -(17.2327 + 0.01737 * T) * Sin(N);
  dpsi += -(1.2729 + 0.00013 * T) * Sin(L * 2);
  dpsi += 0.2088 * Sin(N * 2);
  dpsi += -0.2037 * Sin(Lm * 2);
  dpsi += (0.1261 - 0.00031 * T) * Sin(M);
  dpsi += 0.0675 * Sin(Mm);
  dpsi += -(0.0497 - 0.00012 * T) * Sin(L * 2 + M);
  dpsi += -0.0342 * Sin(Lm * 2 - N);
  dpsi += -0.0261 * Sin(Lm * 2 + Mm);
  dpsi += 0.0214 * Sin(L * 2 - M);
  dpsi += -0.0149 * Sin((L * 2 - Lm * 2) + Mm);
  dpsi += 0.0124 * Sin(L * 2 - N);
  dpsi += 0.0114 * Sin(Lm * 2 - Mm);

  long double deps = (9.21 + 0.00091 * T) * Cos(N);
  deps += (0.5522 - 0.00029 * T) * Cos(L * 2);
  deps += -0.0904 * Cos(N * 2);
  deps += 0.0884 * Cos(Lm * 2);
  deps += 0.0216 * Cos(L * 2 + M);
  deps += 0.0183 * Cos(Lm * 2 - N);
  deps += 0.0113 * Cos(Lm * 2 + Mm);
  deps += -0.0093 * Cos(L * 2 - M);
  deps += -0.0066 * Cos(L * 2 - N);

  return Nutation{dpsi, deps};
}

}  // namespace astro
