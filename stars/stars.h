// Star ephemeris: the catalogue of 57 navigational stars (mean places for the
// equinox and epoch B1950.0 with annual proper motions) and the reduction of
// a catalogue place to the apparent place of date.
#ifndef VELMOOR_STARS_STARS_H
#define VELMOOR_STARS_STARS_H

constexpr int StarCount = 57;

// Catalogue columns, indexed by the catalogue index 0..56.
extern const char StarNames[StarCount][14];  // 13 characters, blank-filled
extern const long double RA1950[StarCount];   // degrees, B1950.0
extern const long double PmRA[StarCount];     // seconds of time per year
extern const long double Dec1950[StarCount];  // degrees, north positive
extern const long double PmDec[StarCount];    // seconds of arc per year

// Apparent right ascension and declination of date (radians) of star index at
// the GMT date year, month, day (day may carry a fraction).  The right
// ascension is not reduced to [0, 2*pi); it stays within a few degrees of the
// catalogue value.  An index outside 0..StarCount-1 names no star: both
// outputs are set to 0 and the catalogue is not read.
void StarPosition(int index, long double year, long double month,
                  long double day, long double& rightAscension,
                  long double& declination);

#endif  // VELMOOR_STARS_STARS_H
