// Periodic terms of the truncated lunar theory (Meeus, "Astronomical
// Formulae for Calculators", chapter on the Moon's position): 50 terms in
// longitude, 45 in latitude and 30 in the equatorial horizontal parallax.
//
// A row's argument is D*d + M*m + M'*mp + F*f, the multipliers times the
// Moon's mean elongation D, the Sun's mean anomaly M, the Moon's mean anomaly
// M' and the Moon's argument of latitude F (radians).  Its term is
// coefficient * factor * sin(argument) in longitude and latitude and
// coefficient * factor * cos(argument) in parallax, where the factor is 1,
// E or E*E according to ePower (E being the eccentricity factor of the
// Earth's orbit, applied to the terms that contain M).
#ifndef VELMOOR_MOON_MOON_TERMS_H
#define VELMOOR_MOON_MOON_TERMS_H

#include <iterator>

struct MoonTerm {
  signed char d;       // multiplier of D
  signed char m;       // multiplier of M
  signed char mp;      // multiplier of M'
  signed char f;       // multiplier of F
  double coefficient;  // degrees
  unsigned char ePower;  // 0: factor 1, 1: factor E, 2: factor E*E
};

// Longitude, degrees; sine terms, added to the corrected mean longitude L'.
inline constexpr MoonTerm MoonLongitudeTerms[] = {
    {0, 0, 1, 0, 6.28875, 0},      //  1
    {2, 0, -1, 0, 1.274018, 0},    //  2
    {2, 0, 0, 0, 0.658309, 0},     //  3
    {0, 0, 2, 0, 0.213616, 0},     //  4
    {0, 1, 0, 0, -0.185596, 1},    //  5
    {0, 0, 0, 2, -0.114336, 0},    //  6
    {2, 0, -2, 0, 0.058793, 0},    //  7
    {2, -1, -1, 0, 0.057212, 1},   //  8
    {2, 0, 1, 0, 0.05332, 0},      //  9
    {2, -1, 0, 0, 0.045874, 1},    // 10
    {0, -1, 1, 0, 0.041024, 1},    // 11
    {1, 0, 0, 0, -0.034718, 0},    // 12
    {0, 1, 1, 0, -0.030465, 1},    // 13
    {2, 0, 0, -2, 0.015326, 0},    // 14
    {0, 0, 1, 2, -0.012528, 0},    // 15
    {0, 0, -1, 2, -0.01098, 0},    // 16
    {4, 0, -1, 0, 0.010674, 0},    // 17
    {0, 0, 3, 0, 0.010034, 0},     // 18
    {4, 0, -2, 0, 0.008548, 0},    // 19
    {2, 1, -1, 0, -0.00791, 1},    // 20
    {2, 1, 0, 0, -0.006783, 1},    // 21
    {-1, 0, 1, 0, 0.005162, 0},    // 22
    {1, 1, 0, 0, 0.005, 1},        // 23
    {2, -1, 1, 0, 0.004049, 1},    // 24
    {2, 0, 2, 0, 0.003996, 0},     // 25
    {4, 0, 0, 0, 0.003862, 0},     // 26
    {2, 0, -3, 0, 0.003665, 0},    // 27
    {0, -1, 2, 0, 0.002695, 1},    // 28
    {-2, 0, 1, -2, 0.002602, 0},   // 29
    {2, -1, -2, 0, 0.002396, 1},   // 30
    {1, 0, 1, 0, -0.002349, 0},    // 31
    {2, -2, 0, 0, 0.002249, 2},    // 32
    {0, 1, 2, 0, -0.002125, 1},    // 33
    {0, 2, 0, 0, -0.002079, 2},    // 34
    {2, -2, -1, 0, 0.002059, 2},   // 35
    {2, 0, 1, -2, -0.001773, 0},   // 36
    {2, 0, 0, 2, -0.001595, 0},    // 37
    {4, -1, -1, 0, 0.00122, 1},    // 38
    {0, 0, 2, 2, -0.00111, 0},     // 39
    {-3, 0, 1, 0, 0.000892, 0},    // 40
    {2, 1, 1, 0, -0.000811, 1},    // 41
    {4, -1, -2, 0, 0.000761, 1},   // 42
    {0, -2, 1, 0, 0.000717, 2},    // 43
    {-2, -2, 1, 0, 0.000704, 2},   // 44
    {2, 1, -2, 0, 0.000693, 1},    // 45
    {2, -1, 0, -2, 0.000598, 1},   // 46
    {4, 0, 1, 0, 0.00055, 0},      // 47
    {0, 0, 4, 0, 0.000538, 0},     // 48
    {4, -1, 0, 0, 0.000521, 1},    // 49
    {-1, 0, 2, 0, 0.000486, 0},    // 50
};

// Latitude, degrees; sine terms, summed from 0 before the node factor.
inline constexpr MoonTerm MoonLatitudeTerms[] = {
    {0, 0, 0, 1, 5.128189, 0},     //  1
    {0, 0, 1, 1, 0.280606, 0},     //  2
    {0, 0, 1, -1, 0.277693, 0},    //  3
    {2, 0, 0, -1, 0.173238, 0},    //  4
    {2, 0, -1, 1, 0.055413, 0},    //  5
    {2, 0, -1, -1, 0.046272, 0},   //  6
    {2, 0, 0, 1, 0.032573, 0},     //  7
    {0, 0, 2, 1, 0.017198, 0},     //  8
    {2, 0, 1, -1, 0.009267, 0},    //  9
    {0, 0, 2, -1, 0.008823, 0},    // 10
    {2, -1, 0, -1, 0.008247, 1},   // 11
    {2, 0, -2, -1, 0.004323, 0},   // 12
    {2, 0, 1, 1, 0.0042, 0},       // 13
    {-2, -1, 0, 1, 0.003372, 1},   // 14
    {2, -1, -1, 1, 0.002472, 1},   // 15
    {2, -1, 0, 1, 0.002222, 1},    // 16
    {2, -1, -1, -1, 0.002072, 1},  // 17
    {0, -1, 1, 1, 0.001877, 1},    // 18
    {4, 0, -1, -1, 0.001828, 0},   // 19
    {0, 1, 0, 1, -0.001803, 1},    // 20
    {0, 0, 0, 3, -0.00175, 0},     // 21
    {0, -1, 1, -1, 0.00157, 1},    // 22
    {1, 0, 0, 1, -0.001487, 0},    // 23
    {0, 1, 1, 1, -0.001481, 1},    // 24
    {0, -1, -1, 1, 0.001417, 1},   // 25
    {0, -1, 0, 1, 0.00135, 1},     // 26
    {-1, 0, 0, 1, 0.00133, 0},     // 27
    {0, 0, 3, 1, 0.001106, 0},     // 28
    {4, 0, 0, -1, 0.00102, 0},     // 29
    {4, 0, -1, 1, 0.000833, 0},    // 30
    {0, 0, 1, -3, 0.000781, 0},    // 31
    {4, 0, -2, 1, 0.00067, 0},     // 32
    {2, 0, 0, -3, 0.000606, 0},    // 33
    {2, 0, 2, -1, 0.000597, 0},    // 34
    {2, -1, 1, -1, 0.000492, 1},   // 35
    {-2, 0, 2, -1, 0.00045, 0},    // 36
    {0, 0, 3, -1, 0.000439, 0},    // 37
    {2, 0, 2, 1, 0.000423, 0},     // 38
    {2, 0, -3, -1, 0.000422, 0},   // 39
    {2, 1, -1, 1, -0.000367, 1},   // 40
    {2, 1, 0, 1, -0.000353, 1},    // 41
    {4, 0, 0, 1, 0.000331, 0},     // 42
    {2, -1, 1, 1, 0.000317, 1},    // 43
    {2, -2, 0, -1, 0.000306, 2},   // 44
    {0, 0, 1, 3, -0.000283, 0},    // 45
};

// Constant term of the parallax series, degrees.
inline constexpr double kMoonParallaxConstant = 0.950724;

// Equatorial horizontal parallax, degrees; cosine terms added to the
// constant above.
inline constexpr MoonTerm MoonParallaxTerms[] = {
    {0, 0, 1, 0, 0.051818, 0},     //  1
    {2, 0, -1, 0, 0.009531, 0},    //  2
    {2, 0, 0, 0, 0.007843, 0},     //  3
    {0, 0, 2, 0, 0.002824, 0},     //  4
    {2, 0, 1, 0, 0.000857, 0},     //  5
    {2, -1, 0, 0, 0.000533, 1},    //  6
    {2, -1, -1, 0, 0.000401, 1},   //  7
    {0, -1, 1, 0, 0.00032, 1},     //  8
    {1, 0, 0, 0, -0.000271, 0},    //  9
    {0, 1, 1, 0, -0.000264, 1},    // 10
    {0, 0, -1, 2, -0.000198, 0},   // 11
    {0, 0, 3, 0, 0.000173, 0},     // 12
    {4, 0, -1, 0, 0.000167, 0},    // 13
    {0, 1, 0, 0, -0.000111, 1},    // 14
    {4, 0, -2, 0, 0.000103, 0},    // 15
    {-2, 0, 2, 0, -0.000084, 0},   // 16
    {2, 1, 0, 0, -0.000083, 1},    // 17
    {2, 0, 2, 0, 0.000079, 0},     // 18
    {4, 0, 0, 0, 0.000072, 0},     // 19
    {2, -1, 1, 0, 0.000064, 1},    // 20
    {2, 1, -1, 0, -0.000063, 1},   // 21
    {1, 1, 0, 0, 0.000041, 1},     // 22
    {0, -1, 2, 0, 0.000035, 1},    // 23
    {-2, 0, 3, 0, -0.000033, 0},   // 24
    {1, 0, 1, 0, -0.00003, 0},     // 25
    {-2, 0, 0, 2, -0.000029, 0},   // 26
    {0, 1, 2, 0, -0.000029, 1},    // 27
    {2, -2, 0, 0, 0.000026, 2},    // 28
    {-2, 0, 1, 2, -0.000023, 0},   // 29
    {4, -1, -1, 0, 0.000019, 1},   // 30
};

static_assert(std::size(MoonLongitudeTerms) == 50, "50 terms in longitude");
static_assert(std::size(MoonLatitudeTerms) == 45, "45 terms in latitude");
static_assert(std::size(MoonParallaxTerms) == 30, "30 terms in parallax");

// Mean elements of the lunar theory, degrees.
struct MoonMeanElements {
  long double meanLongitude;  // L', the Moon's mean longitude
  long double sunAnomaly;     // M, the Sun's mean anomaly
  long double moonAnomaly;    // M', the Moon's mean anomaly
  long double elongation;     // D, the Moon's mean elongation from the Sun
  long double latitudeArgument;  // F, the Moon's mean argument of latitude
  long double node;           // Omega, longitude of the mean ascending node
};

// The elements as reduced before their periodic corrections: L', M, M', D
// and F "while above 360, subtract 360" (a positive value ends in (0, 360],
// a value of 360 or less is left alone, negative ones included); Omega
// "while below 0, add 360" (a value of 360 or more is left alone).
MoonMeanElements ReduceMoonMeanElements(MoonMeanElements e);

#endif  // VELMOOR_MOON_MOON_TERMS_H
