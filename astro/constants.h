// Numeric constants shared by the ephemerides.
//
// pi and 2*pi are the double values, held as long double; the reciprocals
// are computed and held in extended precision, so that a division by a
// constant is a multiplication by its extended reciprocal.
#ifndef VELMOOR_ASTRO_CONSTANTS_H
#define VELMOOR_ASTRO_CONSTANTS_H

namespace astro {

constexpr long double kPi = 3.141592653589793;      // double pi, widened
constexpr long double kTwoPi = 6.283185307179586;   // double 2*pi, widened
constexpr long double kHalfPi = 1.5707963267948966; // double pi/2, widened

constexpr long double kInv180 = 1.0L / 180.0L;
constexpr long double kInvPi = 1.0L / 3.141592653589793L;
constexpr long double kInv6 = 1.0L / 6.0L;
constexpr long double kInv15 = 1.0L / 15.0L;
constexpr long double kInv24 = 1.0L / 24.0L;
constexpr long double kInv60 = 1.0L / 60.0L;
constexpr long double kInv3600 = 1.0L / 3600.0L;
constexpr long double kInv36525 = 1.0L / 36525.0L;
constexpr long double kInv1296000 = 1.0L / 1296000.0L;  // arcsec -> revolutions

// Julian Day of the epoch 1900 January 0.5, origin of T.
constexpr long double kJD1900 = 2415020.0;

// Degrees to radians: times pi, then times 1/180.
inline long double DegToRad(long double degrees) {
  return degrees * kPi * kInv180;
}

}  // namespace astro

#endif  // VELMOOR_ASTRO_CONSTANTS_H
