// The Sun's apparent longitude from a Keplerian orbit with five periodic
// perturbations, the constant of aberration and the node term of the
// nutation.  Serves the Sun's place and the annual aberration of the stars.
#ifndef VELMOOR_ASTRO_SOLAR_THEORY_H
#define VELMOOR_ASTRO_SOLAR_THEORY_H

namespace astro {

struct SolarLongitude {
  long double meanLongitude;  // L, radians, after "while L > 2 pi: L -= 2 pi"
  long double meanAnomaly;    // M, radians, reduced the same way
  long double eccentricity;   // e of the Earth's orbit
  long double trueAnomaly;    // v, radians, in [0, 2 pi]
  long double node;           // Omega, radians, from degrees in [0, 360]
  long double apparentLongitude;  // lambda, radians; below 2 pi, may be < 0
};

// Solar theory at T (Julian centuries from JD 2415020.0 in the time scale of
// the caller).
SolarLongitude SolarLongitudeAt(long double T);

// Solution E of Kepler's equation E - e sin E = M by Newton's method from
// E = M, to |step| <= 1e-10 rad.
long double SolveKepler(long double meanAnomaly, long double eccentricity);

}  // namespace astro

#endif  // VELMOOR_ASTRO_SOLAR_THEORY_H
