// Computed altitude and azimuth.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/astrproc.h"

namespace {

constexpr double kDeg = 3.141592653589793 / 180.0;

struct SightCase {
  double ghaDeg, decDeg, lat, lon;  // position in packed DD.MM
  double altitudeDeg, azimuthDeg;
};

TEST(AltitudeAzimuth, ReducesKnownSights) {
  const SightCase cases[] = {
      {0, 20, 50.0, 0.0, 60, 180},          // on the meridian, south
      {270, 0, 0, 0, 0, 90},                // rising due east
      {90, 0, 0, 0, 0, 270},                // setting due west
      {74.5, 10, 40.30, -74.30, 59.5, 180}, // 40° 30' N, 74° 30' W, LHA 0
      {30, 10, 40, 15, 40.1705, 245.6883},  // LHA 45°
      {0, -20, -50.0, 0, 60, 0},            // southern observer, body north
      {180, 0, 0, 0, -90, 0},               // nadir: altitude -90
  };
  for (const SightCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "GHA " << c.ghaDeg << " dec " << c.decDeg);
    double altitude = 0, azimuth = 0;
    AltitudeAzimuth(c.ghaDeg * kDeg, c.decDeg * kDeg, c.lat, c.lon, altitude, azimuth);
    EXPECT_NEAR(altitude / kDeg, c.altitudeDeg, 1e-4);
    if (c.altitudeDeg > -90) {
      const double diff = std::remainder(azimuth / kDeg - c.azimuthDeg, 360.0);
      EXPECT_NEAR(diff, 0, 1e-4);
    }
  }
}

TEST(AltitudeAzimuth, WholeTurnsOfHourAngleDoNotMatter) {
  double alt1 = 0, az1 = 0, alt2 = 0, az2 = 0;
  AltitudeAzimuth(45 * kDeg, 10 * kDeg, 40, 15, alt1, az1);
  AltitudeAzimuth(765 * kDeg, 10 * kDeg, 40, 15, alt2, az2);
  EXPECT_NEAR(alt1, alt2, 1e-12);
  EXPECT_NEAR(az1, az2, 1e-12);
}

TEST(AltitudeAzimuth, BodyBelowTheHorizonHasNegativeAltitude) {
  double altitude = 0, azimuth = 0;
  AltitudeAzimuth(150 * kDeg, -10 * kDeg, 50, 0, altitude, azimuth);
  EXPECT_LT(altitude, 0);
  EXPECT_EQ(FormatAngle(altitude).substr(0, 2), " -");
}

TEST(AltitudeAzimuth, DegenerateGeometryGivesDefinedFiniteValues) {
  const struct {
    double gha, dec, lat, lon;
  } cases[] = {
      {0, 40 * kDeg, 40, 0},                 // body at the zenith (nearly)
      {0, 90 * kDeg, 90, 0},                 // observer and body at the pole
      {1.0, 0.3, 90, 0},                     // observer at the north pole
      {1.0, 0.3, -90, 0},                    // observer at the south pole
      {0, 0, 0, 0},                          // zenith on the equator
      {1.0, 0.3, 1e15, 1e15},                // positions are not range-checked
      {1.0, 0.3, -1e21, 5e20},
      {12.0, -1.5, 95.5, -400},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.lat << " " << c.lon);
    double altitude = 0, azimuth = 0;
    AltitudeAzimuth(c.gha, c.dec, c.lat, c.lon, altitude, azimuth);
    EXPECT_TRUE(std::isfinite(altitude));
    EXPECT_TRUE(std::isfinite(azimuth));
    EXPECT_GE(azimuth, 0);
    EXPECT_LE(azimuth, 2 * 3.141592653589793);
    EXPECT_GE(altitude, -3.141592653589793 / 2 - 1e-12);
    EXPECT_LE(altitude, 3.141592653589793 / 2 + 1e-12);
  }
}

TEST(AzimuthAngle, ExactZenithIsNorth) {
  // Observer at 0, 0 and a body of declination 0 on the meridian: the
  // divisor is exactly zero, and the azimuth is taken as north.
  EXPECT_EQ(AzimuthAngle(0, 0, 0, 0), 0);
  EXPECT_EQ(ZenithDistance(0, 0, 0), 0);
}

}  // namespace
