// The statistics window on screen late in a long game: its figures worked out, its texts
// and its wheel chart redrawn after a change of the game.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "core/numeric.h"
#include "gui/front_end.h"
#include "stats/statistics_window.h"

namespace {

// One more spin on a pocket, then one fewer, as after a spin or an undo: 5000 spins in all.
void BM_StatsWindowRedrawAt5000Spins(benchmark::State& state) {
  const auto folder = MakeBenchFolder();
  {
    FrontEnd frontEnd(folder);
    frontEnd.start();
    App& app = frontEnd.app();
    MainForm& m = Main_F(app);
    for (int i = 0; i < 38; ++i) m.Hit_Count(i).setText(Str(130 + 2 * (i % 5)));
    frontEnd.send({EventKind::Click, FormId::Main_F, &m.Stats, {}});
    Settle();
    int step = 0;
    for (auto _ : state) {
      TextBox& count = m.Hit_Count(step % 38);
      count.setText(Str(Val(count.text()) + (step / 38 % 2 == 0 ? 1 : -1)));
      ShowStatistics(app);
      frontEnd.refresh();
      Settle();
      ++step;
    }
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StatsWindowRedrawAt5000Spins)->Unit(benchmark::kMicrosecond)->Iterations(300);

}  // namespace
