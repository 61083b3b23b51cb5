// Moon ephemeris: a truncated analytical lunar theory (50 terms in
// longitude, 45 in latitude, 30 in parallax) and the Moon's apparent
// right ascension, declination, horizontal parallax and semi-diameter.
#ifndef VELMOOR_MOON_MOON_H
#define VELMOOR_MOON_MOON_H

// Geocentric ecliptic place of the Moon, mean equinox of date.
struct MoonEcliptic {
  long double T;          // Julian centuries from JD 2415020.0, ephemeris time
  long double longitude;  // lambda, degrees, not brought into any range
  long double latitude;   // beta, degrees
  long double parallax;   // equatorial horizontal parallax P, degrees
};

// Lunar theory at a GMT instant (whole day of month, hour, minute, second);
// adds its own Delta T polynomial to reach ephemeris time.
MoonEcliptic MoonEclipticPosition(long double year, long double month,
                                  long double day, long double hour,
                                  long double minute, long double second);

// Right ascension ra (radians, [0, 2*pi)), declination dec (radians), the
// horizontal parallax hp (degrees) and the semi-diameter sd (arc minutes) of
// the Moon at a GMT instant; stored in the order hp, ra, dec, sd.
void MoonPosition(long double year, long double month, long double day,
                  long double hour, long double minute, long double second,
                  long double& ra, long double& dec, long double& hp,
                  long double& sd);

#endif  // VELMOOR_MOON_MOON_H
