// Reference places from the IAU 2006/2000A models as implemented by ERFA,
// reduced to what the almanac window shows: apparent right ascension and
// declination referred to the true equator and equinox of date, distances,
// and Greenwich apparent sidereal time.
#ifndef VELMOOR_TOOLS_ACCURACY_REFERENCE_H
#define VELMOOR_TOOLS_ACCURACY_REFERENCE_H

#include <string>
#include <vector>

namespace accuracy {

// Physical constants of the reference side.
constexpr double kEarthEquatorialRadiusKm = 6378.1366;  // IERS 2003
constexpr double kMoonRadiusKm = 1737.4;                 // IAU mean radius
constexpr double kSunSemiDiameterAt1AuArcsec = 959.63;   // solar radius 696000 km

// One instant: the civil fields as the window takes them (GMT, whole
// seconds) and the two-part Julian Dates of UT1 and TT.
struct Instant {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
  double ut1a = 0, ut1b = 0;   // UT1 = GMT (UT1 - UTC neglected)
  double tta = 0, ttb = 0;     // TT = UT1 + Delta T
  double deltaT = 0;           // seconds
};

// Delta T = TT - UT1 in seconds for a decimal year, from the polynomial
// expressions of Espenak and Meeus (valid -1999..3000; 1900-2050 here).
double DeltaTSeconds(double decimalYear);

// The instant for a calendar date and GMT (UT1) time of day.
Instant MakeInstant(int year, int month, int day, int hour, int minute,
                    int second);

// Apparent places of date, radians, right ascension in [0, 2*pi).
struct ApparentPlace {
  double ra = 0;
  double dec = 0;
  double distanceKm = 0;
};

// Greenwich apparent sidereal time (IAU 2006/2000A), radians [0, 2*pi).
double SiderealTime(const Instant& t);

// Geocentric apparent Sun: Earth from eraEpv00, light time and stellar
// aberration with the Earth's barycentric velocity, rotated from the GCRS
// to the true equator and equinox of date with eraPnm06a.
ApparentPlace SunPlace(const Instant& t);

// Geocentric apparent Moon: eraMoon98 (GCRS, itself good to about 10
// arcseconds), back-dated by the light time and rotated as the Sun.
ApparentPlace MoonPlace(const Instant& t);

// Modern catalogue entry (ICRS, epoch J2000.0).
struct CatalogueStar {
  int index = 0;
  std::string name;
  double raDeg = 0, decDeg = 0;
  double pmRaCosDecMasYr = 0, pmDecMasYr = 0;
  double parallaxMas = 0, radialVelocityKmS = 0;
};

// Reads the catalogue file (CSV with a header line).  Returns false and
// fills error when the file cannot be read or a line is malformed.
bool ReadCatalogue(const std::string& path, std::vector<CatalogueStar>& stars,
                   std::string& error);

// Apparent places of date of every catalogue star at instant t: the CIRS
// place of eraApci13 + eraAtciq (the two halves of eraAtci13: space motion,
// parallax, light deflection, aberration, bias-precession-nutation), moved
// to the true equinox by the equation of the origins.
std::vector<ApparentPlace> StarPlaces(const Instant& t,
                                      const std::vector<CatalogueStar>& stars);

}  // namespace accuracy

#endif  // VELMOOR_TOOLS_ACCURACY_REFERENCE_H
