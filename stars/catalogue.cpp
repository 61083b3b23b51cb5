// The catalogue of 57 navigational stars: mean places for the equinox and
// epoch B1950.0 (FK4 system) and annual proper motions.
//
// One row per star, in catalogue index order (alphabetical by the captions of
// the star list).  Every number is a double literal, widened to long double
// where the columns are defined.
#include "stars/stars.h"

// STAR(name, RA1950, PmRA, Dec1950, PmDec)
//   name    13 characters, blank-filled
//   RA1950  right ascension, degrees
//   PmRA    proper motion in right ascension, seconds of time per year
//   Dec1950 declination, degrees, north positive
//   PmDec   proper motion in declination, seconds of arc per year
#define VELMOOR_STAR_CATALOGUE(STAR) \
  STAR("Acamar       ", 44.0921791, -0.0042, -40.50361113, 0.02) /*  0 */ \
  STAR("Achernar     ", 23.965, 0.0132, -57.48950001, -0.112) /*  1 */ \
  STAR("Acrux        ", 185.9506667, -0.0036, -62.8221667, -0.012) /*  2 */ \
  STAR("Adhara       ", 104.165, 0, -28.9028333, 0) /*  3 */ \
  STAR("Aldebaran    ", 68.2620833, 0.005, 16.4104167, -0.19) /*  4 */ \
  STAR("Alioth       ", 192.95875, 0.013, 56.2309167, -0.01) /*  5 */ \
  STAR("Alkaid       ", 206.392958, -0.013, 49.56225, -0.01) /*  6 */ \
  STAR("Al Na'ir     ", 331.274, 0.0128, -47.20466667, -0.152) /*  7 */ \
  STAR("Alnilam      ", 83.4186667, 0, -1.23225, 0) /*  8 */ \
  STAR("Alphard      ", 141.2825, -0.001, -8.44097223, 0.03) /*  9 */ \
  STAR("Alphecca     ", 233.143292, 0.009, 26.8818889, -0.09) /* 10 */ \
  STAR("Alpheratz    ", 1.4493333, 0.01, 28.8144722, -0.16) /* 11 */ \
  STAR("Altair       ", 297.08575, 0.036, 8.73494445, 0.39) /* 12 */ \
  STAR("Ankaa        ", 5.9571667, 0, -42.58183333, 0) /* 13 */ \
  STAR("Antares      ", 246.584375, 0, -26.3227778, -0.02) /* 14 */ \
  STAR("Arcturus     ", 213.344833, -0.078, 19.4419445, -2) /* 15 */ \
  STAR("Atria        ", 250.8383333, 0.0047, -68.93850007, -0.032) /* 16 */ \
  STAR("Avior        ", 125.3718333, -0.0027, -59.34816667, 0.018) /* 17 */ \
  STAR("Bellatrix    ", 80.6118334, -0.001, 6.306, -0.02) /* 18 */ \
  STAR("Betelgeuse   ", 88.1159167, 0.002, 7.39944445, 0.01) /* 19 */ \
  STAR("Canopus      ", 95.71, 0.0035, -52.6681, 0.022) /* 20 */ \
  STAR("Capella      ", 78.2478334, 0.008, 45.9494722, -0.42) /* 21 */ \
  STAR("Deneb        ", 309.931417, 0, 45.1008611, 0) /* 22 */ \
  /* Rows 23 (Denebola), 25 (Dubhe) and 45 (Rasalhague): RA1950 and PmRA */ \
  /* are derived from the Hipparcos catalogue (2007 reduction), J2000.0   */ \
  /* place and proper motion converted FK5 -> FK4 to B1950.0.  The older  */ \
  /* rows (PmRA -0.34, 0.017 and 0.08 s/yr) carried transcription slips   */ \
  /* that put the stars up to 6.7' off over 1900-2050.  Dec1950 and PmDec */ \
  /* of the three stars are unchanged.                                    */ \
  STAR("Denebola     ", 176.6275176, -0.0345, 14.8516111, -0.12) /* 23, corrected */ \
  STAR("Diphda       ", 10.2700833, 0.016, -18.2607222, 0.04) /* 24 */ \
  STAR("Dubhe        ", 165.1652906, -0.0191, 62.0213333, -0.07) /* 25, corrected */ \
  STAR("Elnath       ", 80.7821667, 0.002, 28.5671389, -0.18) /* 26 */ \
  STAR("Eltanin      ", 268.86075, -0.001, 51.4940555, -0.02) /* 27 */ \
  STAR("Enif         ", 325.432292, 0.002, 9.64488889, 0) /* 28 */ \
  STAR("Fomalhaut    ", 343.723042, 0.026, -29.8876944, -0.16) /* 29 */ \
  STAR("Gacrux       ", 187.0946667, 0.0036, -56.8333333, -0.263) /* 30 */ \
  STAR("Gienah       ", 183.307708, -0.011, -17.2644445, 0.02) /* 31 */ \
  STAR("Hadar        ", 210.0695, -0.0029, -60.1333334, -0.02) /* 32 */ \
  STAR("Hamal        ", 31.0883333, 0.014, 23.2269445, -0.14) /* 33 */ \
  STAR("Kaus Aust.   ", 275.2141666, -0.0026, -34.41050004, -0.126) /* 34 */ \
  STAR("Kochab       ", 222.706875, -0.008, 74.3598611, 0.01) /* 35 */ \
  STAR("Markab       ", 345.567917, 0.004, 14.9358889, -0.04) /* 36 */ \
  STAR("Menkar       ", 44.915625, -0.001, 3.89477778, -0.07) /* 37 */ \
  STAR("Menekent     ", 210.934, -0.0428, -36.124888, -0.521) /* 38 */ \
  STAR("Miaplacidus  ", 138.1655833, -0.0282, -69.5106667, 0.107) /* 39 */ \
  STAR("Mirfak       ", 50.1863751, 0.003, 49.685, -0.02) /* 40 */ \
  STAR("Nunki        ", 283.0426663, 0.001, -26.3606667, -0.06) /* 41 */ \
  STAR("Peacock      ", 305.426959, 0.0017, -56.8972805, -0.088) /* 42 */ \
  STAR("Pollux       ", 115.564667, -0.047, 28.1486389, -0.05) /* 43 */ \
  STAR("Procyon      ", 114.171292, -0.047, 5.35461111, -1.03) /* 44 */ \
  STAR("Rasalhague   ", 263.1530412, 0.0071, 12.5949722, -0.23) /* 45, corrected */ \
  STAR("Regulus      ", 151.42775, -0.0168, 12.2122806, 0.007) /* 46 */ \
  STAR("Rigiel       ", 78.0333333, 0, -8.25794445, 0) /* 47 */ \
  STAR("Rigil Kent.  ", 219.0493333, -0.4939, -60.62925276, 0.692) /* 48 */ \
  STAR("Sabik        ", 256.876917, 0.003, -15.6647222, 0.09) /* 49 */ \
  STAR("Schedar      ", 9.41375, 0.006, 56.2635, -0.03) /* 50 */ \
  STAR("Shaula       ", 262.5518753, 0, -37.06857213, -0.028) /* 51 */ \
  STAR("Sirius       ", 100.736375, -0.037, -16.6462222, -1.21) /* 52 */ \
  STAR("Spica        ", 200.638792, -0.003, -10.9009444, -0.03) /* 53 */ \
  STAR("Suhail       ", 136.5381253, -0.0016, -43.22936117, 0.016) /* 54 */ \
  STAR("Vega         ", 278.811083, 0.017, 38.736, 0.28) /* 55 */ \
  STAR("Zuben'ubi    ", 222.026875, -0.007, -15.8351667, -0.07) /* 56 */

#define VELMOOR_STAR_NAME(name, ra, pmra, dec, pmdec) name,
#define VELMOOR_STAR_RA(name, ra, pmra, dec, pmdec) ra,
#define VELMOOR_STAR_PMRA(name, ra, pmra, dec, pmdec) pmra,
#define VELMOOR_STAR_DEC(name, ra, pmra, dec, pmdec) dec,
#define VELMOOR_STAR_PMDEC(name, ra, pmra, dec, pmdec) pmdec,

const char StarNames[StarCount][14] = {VELMOOR_STAR_CATALOGUE(VELMOOR_STAR_NAME)};
const long double RA1950[StarCount] = {VELMOOR_STAR_CATALOGUE(VELMOOR_STAR_RA)};
const long double PmRA[StarCount] = {VELMOOR_STAR_CATALOGUE(VELMOOR_STAR_PMRA)};
const long double Dec1950[StarCount] = {VELMOOR_STAR_CATALOGUE(VELMOOR_STAR_DEC)};
const long double PmDec[StarCount] = {VELMOOR_STAR_CATALOGUE(VELMOOR_STAR_PMDEC)};

#undef VELMOOR_STAR_NAME
#undef VELMOOR_STAR_RA
#undef VELMOOR_STAR_PMRA
#undef VELMOOR_STAR_DEC
#undef VELMOOR_STAR_PMDEC
#undef VELMOOR_STAR_CATALOGUE
