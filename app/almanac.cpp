// The steps of the update cycle over the almanac state record.
#include "app/almanac.h"

#include <cmath>

#include "astro/astrproc.h"
#include "astro/constants.h"
#include "moon/moon.h"
#include "stars/stars.h"

const char* const kBlankCell = " ";

TSunAriesTexts SunAndAriesStep(TAlmanacState& s) {
  TSunAriesTexts t;
  s.FAriesGHA = ApparentSiderealTime(s.FYear, s.FMonth, s.FDay, s.FHour,
                                     s.FMinute, s.FSecond);
  t.ghaAries = FormatAngle(static_cast<double>(s.FAriesGHA));

  SunPosition(s.FYear, s.FMonth, s.FDay, s.FHour, s.FMinute, s.FSecond,
              s.FSunRA, s.FSunDec, s.FSunSD);

  // The Sun's GHA is held as a double; each correction is computed in
  // extended precision and stored back as a double.
  double g = static_cast<double>(s.FAriesGHA - s.FSunRA);
  if (g > astro::kTwoPi) g = static_cast<double>(g - astro::kTwoPi);
  if (g < 0) g = static_cast<double>(g + astro::kTwoPi);

  s.FSunSD = RoundHalfAway(s.FSunSD * 10) * 0.1;
  s.FSunGHA = g;

  t.ghaSun = " " + FormatAngle(g);
  t.declSun = " " + FormatDeclination(static_cast<double>(s.FSunDec));
  t.semiDiam = " " + FormatFixed(s.FSunSD, 1) + " '";
  return t;
}

TStarRowTexts StarStep(TAlmanacState& s, int slot) {
  TStarRowTexts t;
  const int index = s.FSelStars[slot];
  t.name = StarNames[index];

  // Placed for 0h GMT of the date: FDay is a whole day here.
  StarPosition(index, s.FYear, s.FMonth, s.FDay, s.FStarRA, s.FStarDec);
  // The sidereal hour angle, not reduced: a right ascension of 0 gives 2*pi.
  s.FStarRA = astro::kTwoPi - s.FStarRA;

  t.sha = FormatAngle(static_cast<double>(s.FStarRA));
  t.declination = FormatDeclination(static_cast<double>(s.FStarDec));

  // The star's GHA is the plain sum, between 0 and 4*pi.
  AltitudeAzimuth(static_cast<double>(s.FStarRA + s.FAriesGHA),
                  static_cast<double>(s.FStarDec), s.FLatitude, s.FLongitude,
                  s.FAltitude, s.FAzimuth);
  t.altitude = FormatAngle(s.FAltitude);
  t.azimuth = FormatAngle(s.FAzimuth);
  return t;
}

TMoonTexts MoonStep(TAlmanacState& s) {
  TMoonTexts t;
  MoonPosition(s.FYear, s.FMonth, s.FDay, s.FHour, s.FMinute, s.FSecond,
               s.FMoonRA, s.FMoonDec, s.FMoonHP, s.FMoonSD);

  // Into [0, 2*pi]; a difference of exactly 2*pi stays 2*pi.
  s.FMoonGHA = s.FAriesGHA - s.FMoonRA;
  if (s.FMoonGHA < 0) s.FMoonGHA = s.FMoonGHA + astro::kTwoPi;
  if (s.FMoonGHA > astro::kTwoPi) s.FMoonGHA = s.FMoonGHA - astro::kTwoPi;

  t.gha = FormatAngle(static_cast<double>(s.FMoonGHA));
  t.declination = FormatDeclination(static_cast<double>(s.FMoonDec));

  // Semi-diameter in arc minutes and parallax (degrees) in arc minutes, each
  // rounded to a tenth and held as a double before it is formatted.
  const double sd = static_cast<double>(RoundHalfAway(s.FMoonSD * 10) * 0.1);
  t.semiDiameter = " " + FormatFixed(sd, 1);
  const double hp = static_cast<double>(RoundHalfAway(s.FMoonHP * 600) * 0.1);
  t.parallax = " " + FormatFixed(hp, 1);
  return t;
}

std::string EquationOfTimeText(long double hours) {
  const long double e = std::fabs(hours);
  std::string text = hours >= 0 ? "  +" : "  -";
  const long double minutes = TruncInt(FracPart(e) * 60);
  // The fractional part of |E| * 60, times 60: seconds that round to 60.0
  // stay 60.0 and leave the minutes alone.
  const long double seconds = std::fabs(TruncInt(e * 60) - e * 60) * 60;
  text += FormatFixed(minutes, 0);
  text += " min : ";
  text += FormatFixed(seconds, 1);
  text += " sec.";
  return text;
}

TDateTexts DateStep(TAlmanacState& s) {
  TDateTexts t;
  s.FDayFraction =
      (s.FSecond * astro::kInv3600 + s.FMinute * astro::kInv60 + s.FHour) *
      astro::kInv24;
  s.FDay = s.FDay + s.FDayFraction;
  s.FJulianDay = JulianDay(s.FYear, s.FMonth, s.FDay);
  t.julianDay = "   " + FormatFixed(s.FJulianDay, 2);

  // The calendar date of the Julian Day: a day beyond the end of its month
  // rolls over into the next one, and FDay is a whole day again.
  CalendarDate(s.FJulianDay, s.FYear, s.FMonth, s.FDay);
  s.FDay = TruncInt(s.FDay);

  t.weekday = WeekdayText(s.FJulianDay);
  s.FEqOfTime = EquationOfTime(s.FYear, s.FMonth, s.FDay, s.FHour, s.FMinute,
                               s.FSecond);
  t.eqOfTime = EquationOfTimeText(s.FEqOfTime);
  return t;
}

TLineOfPositionTexts LineOfPositionStep(TAlmanacState& s, long double gha,
                                        long double dec) {
  AltitudeAzimuth(static_cast<double>(gha), static_cast<double>(dec),
                  s.FLatitude, s.FLongitude, s.FAltitude, s.FAzimuth);
  return {FormatAngle(s.FAltitude), FormatAngle(s.FAzimuth)};
}

TAlmanacTexts ComputeAlmanac(TAlmanacState& s) {
  TAlmanacTexts t;
  t.sunAries = SunAndAriesStep(s);
  for (int i = 0; i < s.FSelCount && i < 3; ++i) t.stars[i] = StarStep(s, i);
  t.moon = MoonStep(s);
  t.date = DateStep(s);
  t.sunLine = LineOfPositionStep(s, s.FSunGHA, s.FSunDec);
  t.moonLine = LineOfPositionStep(s, s.FMoonGHA, s.FMoonDec);
  return t;
}
