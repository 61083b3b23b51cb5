// Cost of one Moon place: the lunar theory (125 periodic terms) and the
// conversion to right ascension and declination, as run once per update.
#include <benchmark/benchmark.h>

#include "moon/moon.h"

namespace {

void BM_MoonPosition(benchmark::State& state) {
  long double hour = 0;
  for (auto _ : state) {
    long double ra, dec, hp, sd;
    MoonPosition(2000, 1, 1, hour, 0, 0, ra, dec, hp, sd);
    benchmark::DoNotOptimize(ra);
    benchmark::DoNotOptimize(dec);
    benchmark::DoNotOptimize(hp);
    benchmark::DoNotOptimize(sd);
    hour = (hour < 23) ? hour + 1 : 0;  // a different instant each time
  }
}
BENCHMARK(BM_MoonPosition);

}  // namespace
