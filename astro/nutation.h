// Mean elements of the Sun and the Moon and the 13-term nutation series.
//
// One implementation serves the apparent sidereal time and the apparent
// places of the stars.
#ifndef VELMOOR_ASTRO_NUTATION_H
#define VELMOOR_ASTRO_NUTATION_H

namespace astro {

// Mean elements at T (Julian centuries from JD 2415020.0), in radians and
// not reduced to one revolution:
//   L   the Sun's mean longitude      L' (moonLongitude) the Moon's
//   M   the Sun's mean anomaly        M' (moonAnomaly)   the Moon's
//   node  longitude of the Moon's ascending node.
struct MeanElements {
  long double sunLongitude;
  long double moonLongitude;
  long double sunAnomaly;
  long double moonAnomaly;
  long double node;
};

MeanElements MeanElementsAt(long double T);

// Mean obliquity of the ecliptic, degrees.
long double MeanObliquityDegrees(long double T);

// Longitude of the Moon's mean ascending node, degrees, not reduced.
long double NodeLongitudeDegrees(long double T);

// Nutation in longitude dpsi and in obliquity deps, seconds of arc, from the
// 13-term series (9 terms in obliquity) with the given elements (radians).
struct Nutation {
  long double longitude;  // delta psi, arcsec
  long double obliquity;  // delta epsilon, arcsec
};

Nutation NutationAt(long double T, const MeanElements& elements);

}  // namespace astro

#endif  // VELMOOR_ASTRO_NUTATION_H
