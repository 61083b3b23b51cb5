#include "tools/accuracy/reference.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace accuracy {

namespace {

// Velocity in AU/day to units of the speed of light.
constexpr double kAuPerDayToC = ERFA_AULT / ERFA_DAYSEC;

// Light time in days over a distance in AU.
double LightTimeDays(double distanceAu) {
  return distanceAu * ERFA_AULT / ERFA_DAYSEC;
}

// GCRS direction (any length) to right ascension and declination of date.
ApparentPlace OfDate(double rbpn[3][3], double gcrs[3],
                     double distanceAu) {
  double q[3];
  eraRxp(rbpn, gcrs, q);
  ApparentPlace place;
  eraC2s(q, &place.ra, &place.dec);
  place.ra = eraAnp(place.ra);
  place.distanceKm = distanceAu * ERFA_DAU / 1000.0;
  return place;
}

}  // namespace

double DeltaTSeconds(double y) {
  if (y < 1900) {
    const double t = y - 1860;
    return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t -
           0.0004473624 * t * t * t * t + t * t * t * t * t / 233174;
  }
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
           0.000197 * t * t * t * t;
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
           0.000651814 * t * t * t * t + 0.00002373599 * t * t * t * t * t;
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  const double u = (y - 1820) / 100;
  return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

Instant MakeInstant(int year, int month, int day, int hour, int minute,
                    int second) {
  Instant t;
  t.year = year;
  t.month = month;
  t.day = day;
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  double djm0 = 0, djm = 0;
  eraCal2jd(year, month, day, &djm0, &djm);
  const double fraction = (hour * 3600.0 + minute * 60.0 + second) / ERFA_DAYSEC;
  t.deltaT = DeltaTSeconds(year + (month - 0.5) / 12.0);
  t.ut1a = djm0;
  t.ut1b = djm + fraction;
  t.tta = djm0;
  t.ttb = djm + fraction + t.deltaT / ERFA_DAYSEC;
  return t;
}

double SiderealTime(const Instant& t) {
  return eraGst06a(t.ut1a, t.ut1b, t.tta, t.ttb);
}

ApparentPlace SunPlace(const Instant& t) {
  // TDB is taken equal to TT (they differ by under 2 ms).
  double pvh[2][3], pvb[2][3];
  eraEpv00(t.tta, t.ttb, pvh, pvb);

  // Barycentric position and velocity of the Sun.
  double sunPos[3], sunVel[3];
  eraPmp(pvb[0], pvh[0], sunPos);
  eraPmp(pvb[1], pvh[1], sunVel);

  // The Sun where it was when the light left it, seen from the Earth now.
  double p[3];
  eraPmp(sunPos, pvb[0], p);
  for (int i = 0; i < 3; ++i) {
    const double tau = LightTimeDays(eraPm(p));
    double back[3], retarded[3];
    eraSxp(tau, sunVel, back);
    eraPmp(sunPos, back, retarded);
    eraPmp(retarded, pvb[0], p);
  }
  const double distanceAu = eraPm(p);

  // Stellar aberration with the Earth's barycentric velocity.
  double v[3];
  eraSxp(kAuPerDayToC, pvb[1], v);
  const double bm1 = std::sqrt(1.0 - eraPdp(v, v));
  double direction[3], aberrated[3];
  eraSxp(1.0 / distanceAu, p, direction);
  eraAb(direction, v, distanceAu, bm1, aberrated);

  double rbpn[3][3];
  eraPnm06a(t.tta, t.ttb, rbpn);
  return OfDate(rbpn, aberrated, distanceAu);
}

ApparentPlace MoonPlace(const Instant& t) {
  double pv[2][3];
  eraMoon98(t.tta, t.ttb, pv);

  // Back-dated by the light time (about 1.3 s).  The Earth's own motion
  // during the light time and the annual aberration cancel to first order
  // for a body that travels with the Earth, so no aberration is applied.
  const double tau = LightTimeDays(eraPm(pv[0]));
  double back[3], p[3];
  eraSxp(tau, pv[1], back);
  eraPmp(pv[0], back, p);

  double rbpn[3][3];
  eraPnm06a(t.tta, t.ttb, rbpn);
  return OfDate(rbpn, p, eraPm(p));
}

bool ReadCatalogue(const std::string& path, std::vector<CatalogueStar>& stars,
                   std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  stars.clear();
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (lineNumber == 1 || line.empty()) continue;  // header
    std::vector<std::string> cells;
    std::stringstream ss(line);
    std::string cell;
    while (std::getline(ss, cell, ',')) cells.push_back(cell);
    if (cells.size() < 8) {
      error = path + ":" + std::to_string(lineNumber) + ": too few columns";
      return false;
    }
    CatalogueStar s;
    try {
      s.index = std::stoi(cells[0]);
      s.name = cells[1];
      s.raDeg = std::stod(cells[2]);
      s.decDeg = std::stod(cells[3]);
      s.pmRaCosDecMasYr = std::stod(cells[4]);
      s.pmDecMasYr = std::stod(cells[5]);
      s.parallaxMas = std::stod(cells[6]);
      s.radialVelocityKmS = std::stod(cells[7]);
    } catch (const std::exception&) {
      error = path + ":" + std::to_string(lineNumber) + ": not a number";
      return false;
    }
    if (s.index != static_cast<int>(stars.size())) {
      error = path + ":" + std::to_string(lineNumber) + ": index out of order";
      return false;
    }
    stars.push_back(s);
  }
  return true;
}

std::vector<ApparentPlace> StarPlaces(const Instant& t,
                                      const std::vector<CatalogueStar>& stars) {
  eraASTROM astrom;
  double eo = 0;
  eraApci13(t.tta, t.ttb, &astrom, &eo);

  constexpr double kMasToRad = ERFA_DAS2R / 1000.0;
  std::vector<ApparentPlace> places;
  places.reserve(stars.size());
  for (const CatalogueStar& s : stars) {
    const double rc = s.raDeg * ERFA_DD2R;
    const double dc = s.decDeg * ERFA_DD2R;
    // eraAtciq takes d(RA)/dt, not cos(Dec) d(RA)/dt.
    const double pr = s.pmRaCosDecMasYr * kMasToRad / std::cos(dc);
    const double pd = s.pmDecMasYr * kMasToRad;
    double ri = 0, di = 0;
    eraAtciq(rc, dc, pr, pd, s.parallaxMas / 1000.0, s.radialVelocityKmS,
             &astrom, &ri, &di);
    ApparentPlace place;
    place.ra = eraAnp(ri - eo);  // CIRS -> true equinox of date
    place.dec = di;
    places.push_back(place);
  }
  return places;
}

}  // namespace accuracy
