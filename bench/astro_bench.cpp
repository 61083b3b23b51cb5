// Speed of the time, Sun and sight-reduction toolkit.
#include <benchmark/benchmark.h>

#include "astro/astrproc.h"

namespace {

void BM_ApparentSiderealTime(benchmark::State& state) {
  long double second = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ApparentSiderealTime(2026, 3, 5, 7, 4, second));
    second = second < 59 ? second + 1 : 0;
  }
}
BENCHMARK(BM_ApparentSiderealTime);

void BM_SunPosition(benchmark::State& state) {
  long double ra = 0, dec = 0, sd = 0, second = 0;
  for (auto _ : state) {
    SunPosition(2026, 3, 5, 7, 4, second, ra, dec, sd);
    benchmark::DoNotOptimize(ra);
    benchmark::DoNotOptimize(dec);
    benchmark::DoNotOptimize(sd);
    second = second < 59 ? second + 1 : 0;
  }
}
BENCHMARK(BM_SunPosition);

void BM_EquationOfTime(benchmark::State& state) {
  long double second = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EquationOfTime(2026, 3, 5, 7, 4, second));
    second = second < 59 ? second + 1 : 0;
  }
}
BENCHMARK(BM_EquationOfTime);

void BM_AltitudeAzimuth(benchmark::State& state) {
  double altitude = 0, azimuth = 0, gha = 1.0;
  for (auto _ : state) {
    AltitudeAzimuth(gha, 0.3, 53.3, 14.3, altitude, azimuth);
    benchmark::DoNotOptimize(altitude);
    benchmark::DoNotOptimize(azimuth);
    gha += 1e-3;
  }
}
BENCHMARK(BM_AltitudeAzimuth);

void BM_FormatAngle(benchmark::State& state) {
  double x = 1.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatAngle(x));
    x += 1e-4;
  }
}
BENCHMARK(BM_FormatAngle);

}  // namespace
