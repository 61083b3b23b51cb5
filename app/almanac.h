// The almanac state record of the main window and the steps of the update
// cycle as plain computations over it.
//
// Each step reads and writes the state record exactly as the update cycle
// does and returns the texts that the cycle shows; the window writes them
// into its boxes and grids.  Nothing here touches a widget, so a whole cycle
// can also be computed without a window.
#ifndef VELMOOR_APP_ALMANAC_H
#define VELMOOR_APP_ALMANAC_H

#include <string>

// Everything the update cycle reads and writes, in declaration order.  All
// fields are zero until the window's creation handler fills them.
struct TAlmanacState {
  long double FYear = 0;         // calendar year, whole, 1900..2050
  long double FMonth = 0;        // month, whole, 1..12
  long double FDay = 0;          // day of month; whole between cycles
  long double FJulianDay = 0;    // Julian Day of the instant
  long double FHour = 0;         // GMT hour, 0..23
  long double FMinute = 0;       // GMT minute, 0..59
  long double FSecond = 0;       // GMT second, 0..59
  long double FDayFraction = 0;  // fraction of the day elapsed, [0, 1)
  long double FEqOfTime = 0;     // equation of time, hours
  long double FAriesGHA = 0;     // GHA of Aries, radians
  long double FSunRA = 0;        // Sun's apparent right ascension, radians
  long double FSunDec = 0;       // Sun's apparent declination, radians
  long double FSunSD = 0;        // Sun's semi-diameter, arc minutes (0.1)
  long double FSunGHA = 0;       // Sun's GHA, radians, [0, 2*pi)
  long double FStarDec = 0;      // declination of the star in hand, radians
  long double FStarRA = 0;       // its right ascension, then its SHA
  long double FMoonRA = 0;       // Moon's right ascension, radians
  long double FMoonDec = 0;      // Moon's declination, radians
  long double FMoonHP = 0;       // Moon's horizontal parallax, degrees
  long double FMoonSD = 0;       // Moon's semi-diameter, arc minutes
  long double FMoonGHA = 0;      // Moon's GHA, radians, [0, 2*pi]
  int FSelStars[4] = {0, 0, 0, 0};  // checked stars, oldest first
  int FSelCount = 0;                // number of checked stars, 0..3
  double FAltitude = 0;          // last computed altitude, radians
  double FAzimuth = 0;           // last computed azimuth, radians
  double FLongitude = 0;         // assumed longitude, packed DD.MM, east +
  double FLatitude = 0;          // assumed latitude, packed DD.MM, north +
};

// Texts of the Aries and Sun boxes.
struct TSunAriesTexts {
  std::string ghaAries;  // GHAAries
  std::string ghaSun;    // GHASlonce
  std::string declSun;   // DeclSun
  std::string semiDiam;  // SemiDiam
};

// One selected star: its row of the star grid and of the line-of-position
// grid.
struct TStarRowTexts {
  std::string name;      // catalogue name, 13 characters
  std::string sha;
  std::string declination;
  std::string altitude;
  std::string azimuth;
};

// Texts of the Moon boxes.
struct TMoonTexts {
  std::string gha;
  std::string declination;
  std::string semiDiameter;
  std::string parallax;
};

// Texts of the Julian Day, weekday and equation-of-time boxes.
struct TDateTexts {
  std::string julianDay;
  std::string weekday;
  std::string eqOfTime;
};

// Altitude and azimuth texts of one row of the line-of-position grid.
struct TLineOfPositionTexts {
  std::string altitude;
  std::string azimuth;
};

// Every text of one update cycle.  The star rows beyond FSelCount stay empty
// here; the window shows them as a single blank.
struct TAlmanacTexts {
  TSunAriesTexts sunAries;
  TStarRowTexts stars[3];
  TMoonTexts moon;
  TDateTexts date;
  TLineOfPositionTexts sunLine;
  TLineOfPositionTexts moonLine;
};

// The text of an empty star cell.
extern const char* const kBlankCell;

// Sun and Aries: stores FAriesGHA, FSunRA, FSunDec, FSunSD (rounded to a
// tenth of a minute) and FSunGHA.
TSunAriesTexts SunAndAriesStep(TAlmanacState& s);

// The star in queue slot `slot` (0..2), placed for 0h GMT of the date: stores
// FStarRA (its SHA), FStarDec, FAltitude and FAzimuth.  Needs FAriesGHA of the
// same cycle.
TStarRowTexts StarStep(TAlmanacState& s, int slot);

// The Moon: stores FMoonRA, FMoonDec, FMoonHP, FMoonSD and FMoonGHA.  Needs
// FAriesGHA of the same cycle.
TMoonTexts MoonStep(TAlmanacState& s);

// Day fraction, Julian Day, normalised calendar date, weekday and equation of
// time: stores FDayFraction, FJulianDay, FYear, FMonth, FDay and FEqOfTime.
TDateTexts DateStep(TAlmanacState& s);

// Altitude and azimuth of a body from the assumed position: stores FAltitude
// and FAzimuth.
TLineOfPositionTexts LineOfPositionStep(TAlmanacState& s, long double gha,
                                        long double dec);

// The equation of time (hours) as the box shows it: sign, whole minutes and
// seconds with one decimal, "  -11 min : 37.4 sec.".
std::string EquationOfTimeText(long double hours);

// A whole update cycle on the state, every step in the window's order.
TAlmanacTexts ComputeAlmanac(TAlmanacState& s);

#endif  // VELMOOR_APP_ALMANAC_H
