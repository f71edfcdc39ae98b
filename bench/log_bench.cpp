#include <benchmark/benchmark.h>

#include "log/log_page.h"
#include "support/bench_program.h"

namespace {

// A started program whose first two log pages are full.
struct LoggedProgram : BenchProgram {
  LoggedProgram() {
    for (int k = 1; k <= 200; ++k) app().vars.SpinLog(k) = (k * 7) % 38 + 1;
    app().vars.SearchOn(5) = 1;
    ShowLogPage(app());
  }
};
// Nothing changed since the last redraw: every row is compared and left alone.
void BM_ShowLogPage_Unchanged(benchmark::State& state) {
  LoggedProgram p;
  for (auto _ : state) ShowLogPage(p.app());
}
BENCHMARK(BM_ShowLogPage_Unchanged);

// Pages 1 and 2 in turn: every entry number, number and colour changes.
void BM_ShowLogPage_PageTurn(benchmark::State& state) {
  LoggedProgram p;
  for (auto _ : state) {
    p.app().vars.LogPage = 3 - p.app().vars.LogPage;
    ShowLogPage(p.app());
  }
}
BENCHMARK(BM_ShowLogPage_PageTurn);

// "Red" on and off in turn: the colours of the red entries change.
void BM_ShowLogPage_RedSearch(benchmark::State& state) {
  LoggedProgram p;
  for (auto _ : state) {
    p.app().vars.SearchOn(39) = 1 - p.app().vars.SearchOn(39);
    ShowLogPage(p.app());
  }
}
BENCHMARK(BM_ShowLogPage_RedSearch);

}  // namespace
