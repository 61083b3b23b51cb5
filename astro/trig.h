// Trigonometry of extended arguments through the double-precision library
// functions: the argument is rounded to a double, the result widened back.
// The theories evaluate every sine, cosine and tangent this way.
#ifndef VELMOOR_ASTRO_TRIG_H
#define VELMOOR_ASTRO_TRIG_H

#include <cmath>

namespace astro {

inline long double Sin(long double x) { return std::sin(static_cast<double>(x)); }
inline long double Cos(long double x) { return std::cos(static_cast<double>(x)); }
inline long double Tan(long double x) { return std::tan(static_cast<double>(x)); }

}  // namespace astro

#endif  // VELMOOR_ASTRO_TRIG_H
