// The statistics window brought up to date late in a long game: 5000 spins on the wheel
// and 5000 Area verdicts in the record, the window shown.
#include <benchmark/benchmark.h>

#include <string>

#include "area/area_verdicts.h"
#include "core/numeric.h"
#include "stats/statistics_window.h"
#include "support/bench_program.h"
#include "windows/app.h"

namespace {

constexpr int Spins = 5000;

// Counts uneven enough that every figure moves: pocket i has 100 + 3 (i mod 7) spins,
// the rest of the 5000 on pocket 0.
void LayDownGame(App& app) {
  MainForm& m = Main_F(app);
  long rest = Spins;
  for (int i = 1; i < 38; ++i) {
    const long count = 100 + 3 * (i % 7);
    m.Hit_Count(i).setText(Str(count));
    rest -= count;
  }
  m.Hit_Count(0).setText(Str(rest));
  for (int k = 0; k < Spins; ++k)
    AreaVerdictsOf(app).add(k % 3 == 0, (6 + k % 2) / 38.0, k % 3 == 0 ? 1.68 : 0.32);
}

// Each update follows a change of one pocket's count (one more spin, then one fewer), as
// after a recorded spin or an undo, so that every text is worked out and written anew.
void BM_StatsUpdateAt5000Spins(benchmark::State& state) {
  BenchProgram p;
  App& app = p.app();
  LayDownGame(app);
  p.run("click Main_F.Stats");
  MainForm& m = Main_F(app);
  int step = 0;
  for (auto _ : state) {
    TextBox& count = m.Hit_Count(step % 38);
    count.setText(Str(Val(count.text()) + (step / 38 % 2 == 0 ? 1 : -1)));
    ShowStatistics(app);
    ++step;
  }
  if (Stats_F(app).Spins.text().empty()) state.SkipWithError("the window was not filled");
}
BENCHMARK(BM_StatsUpdateAt5000Spins)->Unit(benchmark::kMicrosecond);

// Hidden, the window costs one check per change of the game.
void BM_StatsUpdateHidden(benchmark::State& state) {
  BenchProgram p;
  LayDownGame(p.app());
  for (auto _ : state) ShowStatistics(p.app());
}
BENCHMARK(BM_StatsUpdateHidden);

}  // namespace
