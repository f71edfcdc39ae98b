#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "gui/front_end.h"

namespace {

// From nothing to the main window shown and painted: the settings read, the status
// windows made, every widget built and drawn once.
void BM_StartUp(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    const auto folder = MakeBenchFolder();
    state.ResumeTiming();
    {
      FrontEnd frontEnd(folder);
      frontEnd.start();
      Settle();
      state.PauseTiming();
    }
    Settle();
    std::filesystem::remove_all(folder);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(20);

// Every window open and the log full: what a user waits for between a click on "＞" and
// the repainted windows, late in a long game.
void BM_SpinWithEveryWindowOpen(benchmark::State& state) {
  const auto folder = MakeBenchFolder(WindowSettings("1,1,1,1,0,1,1,10", {19, 19}));
  {
    FrontEnd frontEnd(folder);
    frontEnd.start();
    LateInALongGame(frontEnd);
    MainForm& m = Main_F(frontEnd.app());
    int spin = 0;
    for (auto _ : state) {
      frontEnd.send({EventKind::Click, FormId::Main_F, &m.Count_P(spin++ % 38), {}});
      Settle();
    }
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SpinWithEveryWindowOpen)->Unit(benchmark::kMicrosecond)->Iterations(300);

}  // namespace
