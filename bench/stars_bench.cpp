// Speed of the apparent place of a star.
#include <benchmark/benchmark.h>

#include "stars/stars.h"

namespace {

// One apparent place per iteration, cycling through the catalogue.
void BM_StarPosition(benchmark::State& state) {
  long double ra = 0, dec = 0;
  int index = 0;
  for (auto _ : state) {
    StarPosition(index, 2026, 3, 5, ra, dec);
    benchmark::DoNotOptimize(ra);
    benchmark::DoNotOptimize(dec);
    index = index + 1 < StarCount ? index + 1 : 0;
  }
}
BENCHMARK(BM_StarPosition);

}  // namespace
