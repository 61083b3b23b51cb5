// Time, Sun and sight-reduction toolkit.
//
// Pure functions over extended reals (long double, the x87 80-bit format):
// numeric helpers and the packed degrees-and-minutes conversions, the
// calendar and Julian Day, apparent sidereal time with nutation, the Sun and
// the equation of time, altitude and azimuth, and the angle texts.
//
// Conventions used throughout:
//  - angles are radians unless a comment says otherwise;
//  - decimal constants are the nearest doubles, widened to long double;
//    divisions by constants are multiplications by long double reciprocals;
//  - sin, cos, tan, asin, acos, atan and sqrt are the double functions;
//  - a packed degrees-and-minutes number (DD.MM) is a double whose integer
//    part is whole degrees and whose fraction times 100 is minutes of arc
//    (53.3 is 53° 30.0', -22.347 is 22° 34.7' south or west);
//  - T counts Julian centuries of 36525 days from JD 2415020.0;
//  - texts are UTF-8; the degree sign is U+00B0, the minute sign "'".
#ifndef VELMOOR_ASTRO_ASTRPROC_H
#define VELMOOR_ASTRO_ASTRPROC_H

#include <string>

#include "astro/constants.h"
#include "astro/delta_t.h"
#include "astro/nutation.h"
#include "astro/solar_theory.h"

// ---------------------------------------------------------------------------
// Numeric and angle helpers

// Nearest whole number, halves away from zero (2.5 -> 3, -2.5 -> -3).
long double RoundHalfAway(long double x);

// x truncated toward zero (never floored): -2.7 -> -2.  Values inside the
// signed 32-bit range pass through a 32-bit integer; larger finite values are
// truncated exactly as well; infinities and NaN come back unchanged.
long double TruncInt(long double x);

// x - TruncInt(x): the fraction with the sign of x, in (-1, 1).
long double FracPart(long double x);

// 1 for x > 0, 0 for x == 0 (either sign of zero), -1 otherwise.
long double SignOf(double x);

// FracPart for an argument held as a double.
long double FracPartDouble(double x);

// Packed DD.MM (double) -> radians.  The sign of p carries through degrees
// and minutes: -1.30 is -1.5 degrees.
long double DegMinToRadians(double p);

// Radians -> packed DD.MM.  Minutes above 59.95' are carried into the next
// whole degree away from zero, so no text built from it shows 60 minutes.
double RadiansToDegMin(double x);

// "While x > period, subtract period": x unchanged when x <= period,
// otherwise brought into (0, period].  Equal to the repeated subtraction for
// every value the ephemerides meet, and it ends for any input.
long double ReduceFromAbove(long double x, long double period);

// "While x < 0, add period": x unchanged when x >= 0, otherwise brought into
// [0, period).
long double ReduceFromBelow(long double x, long double period);

// ---------------------------------------------------------------------------
// Calendar and Julian Day (Julian calendar to 1582 October 4, Gregorian from
// 1582 October 15; astronomical years, year 0 precedes year 1)

// Julian Day of a date; day may carry a fraction of a day, lie below 1 or
// beyond the end of its month.  Ends in .5 at 0h.
long double JulianDay(long double year, long double month, long double day);

// Calendar date of a Julian Day; day keeps the fraction of the day.
void CalendarDate(long double jd, long double& year, long double& month,
                  long double& day);

// Weekday of the GMT date of jd as a 12-character text: two blanks, the
// English name, blanks to 12 characters ("  Saturday  ").
std::string WeekdayText(long double jd);

// ---------------------------------------------------------------------------
// Sidereal time

// Greenwich apparent sidereal time = GHA of Aries, radians in [0, 2*pi).
// year, month, day: the whole GMT date; hour, minute, second: GMT (UT, no
// Delta T).  Mean elements and nutation are taken at 0h of the date.
long double ApparentSiderealTime(long double year, long double month,
                                 long double day, long double hour,
                                 long double minute, long double second);

// ---------------------------------------------------------------------------
// Sun and equation of time

// Apparent right ascension ra (radians, [0, 2*pi)), declination dec
// (radians, north positive) and semi-diameter sd (arc minutes) of the Sun at
// a GMT instant; the date is the whole day.  Works in ephemeris time with its
// own Delta T polynomial.
void SunPosition(long double year, long double month, long double day,
                 long double hour, long double minute, long double second,
                 long double& ra, long double& dec, long double& sd);

// Equation of time, apparent minus mean solar time, in hours.
long double EquationOfTime(long double year, long double month,
                           long double day, long double hour,
                           long double minute, long double second);

// ---------------------------------------------------------------------------
// Sight reduction

// Great-circle arc (radians, 0..pi) between latitudes a and b (radians) with
// difference of longitude c (radians).
long double ZenithDistance(long double a, long double b, long double c);

// Azimuth (radians, 0..2*pi, from north through east) of a body of
// declination delta seen from latitude phi, longitude lambda (east
// positive), w being minus the body's GHA.  Where the azimuth is undefined
// (body exactly at the zenith, or the divisor otherwise exactly zero) the
// result is 0, that is north, or 2*pi when the body is west of the meridian.
long double AzimuthAngle(long double phi, long double lambda,
                         long double delta, long double w);

// Computed altitude (radians, -pi/2..pi/2) and azimuth (radians, 0..2*pi) of
// a body of Greenwich hour angle gha and declination dec (radians) from the
// assumed position lat, lon (packed DD.MM, north and east positive).
// Geometric and geocentric: no refraction, parallax, dip or semi-diameter.
void AltitudeAzimuth(double gha, double dec, double lat, double lon,
                     double& altitude, double& azimuth);

// ---------------------------------------------------------------------------
// Texts

// Decimal separator of fixed-point texts (UTF-8, default "."); the window
// sets it from the user's regional settings.
void SetDecimalSeparator(const std::string& separator);
const std::string& DecimalSeparator();

// v in fixed-point notation with the given number of decimals, rounded half
// away from zero on the exact binary value, a leading "-" for negative values
// that do not round to zero, no blanks and no thousands separators.
std::string FormatFixed(long double v, int decimals);

// Hour angles, altitudes, azimuths: " 05° 30.00'", " -00° 30.00'",
// " 123° 07.50'".
std::string FormatAngle(double x);

// Declinations: " 23° 26.35' N", "05° 12.00' S", "00° 00.00'".
std::string FormatDeclination(double x);

#endif  // VELMOOR_ASTRO_ASTRPROC_H
