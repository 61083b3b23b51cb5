// Delta T, the excess of ephemeris time over universal time, as the quadratic
// that the solar and lunar theories use to reach their time scale.
#ifndef VELMOOR_ASTRO_DELTA_T_H
#define VELMOOR_ASTRO_DELTA_T_H

namespace astro {

// Delta T = ET - UT in minutes of time, from T0, the Julian centuries from
// JD 2415020.0 to 0h of the date: 1.2053 T0 - 0.41 + 0.4992 T0^2.  About
// 1.27 minutes in 1999; negative for T0 between about -2.7 and 0.3, that is
// before about 1930.
long double DeltaTMinutes(long double T0);

}  // namespace astro

#endif  // VELMOOR_ASTRO_DELTA_T_H
