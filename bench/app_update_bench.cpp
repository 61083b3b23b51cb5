// Speed of the update cycle: its computation alone, and the whole cycle with
// the writes into the window's boxes and grids.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>

#include <ctime>
#include <memory>

#include "app/almanac.h"
#include "app/main_form.h"

namespace {

// 07:04:09 UTC on 5 March 2026.
constexpr std::time_t kInstant = 1772694249;

// The window runs on the offscreen platform, created once for all runs.
QApplication& Application() {
  static int argc = 1;
  static char name[] = "app_update_bench";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QApplication> app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
  }();
  return *app;
}

void SelectThreeStars(TAlmanacState& s) {
  s.FSelStars[0] = 52;  // Sirius
  s.FSelStars[1] = 38;  // Menekent
  s.FSelStars[2] = 55;  // Vega
  s.FSelCount = 3;
}

// Every text of one cycle with three stars, no widgets.  The second moves on
// each time, so that every text changes as it does while the GMT is typed.
void BM_ComputeAlmanac(benchmark::State& state) {
  TAlmanacState s;
  s.FYear = 2026;
  s.FMonth = 3;
  s.FDay = 5;
  s.FHour = 7;
  s.FMinute = 4;
  s.FLatitude = 53.3;
  s.FLongitude = 14.3;
  SelectThreeStars(s);
  long double second = 0;
  for (auto _ : state) {
    s.FSecond = second;
    TAlmanacTexts texts = ComputeAlmanac(s);
    benchmark::DoNotOptimize(texts);
    second = second < 59 ? second + 1 : 0;
  }
}
BENCHMARK(BM_ComputeAlmanac);

// UpdateAlmanac on the window: the same computation and the writes into the
// eleven output boxes and the grid cells.
void BM_UpdateAlmanac(benchmark::State& state) {
  Application();
  TMainForm form([] { return kInstant; });
  SelectThreeStars(form);
  long double second = 0;
  for (auto _ : state) {
    form.FSecond = second;
    form.UpdateAlmanac();
    second = second < 59 ? second + 1 : 0;
  }
}
BENCHMARK(BM_UpdateAlmanac);

// Creating the window: every control, FormCreate and its two cycles.
void BM_CreateWindow(benchmark::State& state) {
  Application();
  for (auto _ : state) {
    TMainForm form([] { return kInstant; });
    benchmark::DoNotOptimize(form.FJulianDay);
  }
}
BENCHMARK(BM_CreateWindow)->Unit(benchmark::kMillisecond);

}  // namespace
