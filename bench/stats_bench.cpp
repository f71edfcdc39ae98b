// The statistics window late in a long game: 1,000,000 spins in the counts, 5000 in the
// log, 5000 Area verdicts, the window shown. Against the floor of writing its texts, which
// every update does whatever it works out.
#include <benchmark/benchmark.h>

#include <string>

#include "area/area_verdicts.h"
#include "core/numeric.h"
#include "stats/sector_scan.h"
#include "stats/statistics_window.h"
#include "support/bench_program.h"
#include "windows/app.h"

namespace {

constexpr long Spins = 1000000;

// Counts uneven enough that every figure moves: pocket i has 26000 + 37 (i mod 11) spins,
// the rest of the million on pocket 0. The log holds the first 5000 spins.
void LayDownGame(App& app) {
  MainForm& m = Main_F(app);
  long rest = Spins;
  for (int i = 1; i < 38; ++i) {
    const long count = 26000 + 37 * (i % 11);
    m.Hit_Count(i).setText(Str(count));
    rest -= count;
  }
  m.Hit_Count(0).setText(Str(rest));
  for (int k = 1; k <= 5000; ++k) app.vars.SpinLog(k) = 7 * k % 38 + 1;
  for (int k = 0; k < 5000; ++k)
    AreaVerdictsOf(app).add(k % 3 == 0, (6 + k % 2) / 38.0, k % 3 == 0 ? 1.68 : 0.32);
  Point_F(app).Hit_T.setText("2510");
  Point_F(app).Out_T.setText("2490");
}

// One more spin on a pocket, or `step` more: one brings the evidence forward, more work it
// out anew from the counts, as after an undo or a change of source.
void Grow(App& app, int pocket, int step) {
  TextBox& count = Main_F(app).Hit_Count(pocket % 38);
  count.setText(Str(Val(count.text()) + step));
}

void BM_StatsAfterASpinAt1MSpins(benchmark::State& state) {
  BenchProgram p;
  LayDownGame(p.app());
  p.run("click Main_F.Stats");
  int step = 0;
  for (auto _ : state) {
    Grow(p.app(), step++, 1);
    ShowStatistics(p.app());
  }
  if (Stats_F(p.app()).Evidence.text().empty()) state.SkipWithError("the window was not filled");
}
BENCHMARK(BM_StatsAfterASpinAt1MSpins)->Unit(benchmark::kMicrosecond);

void BM_StatsRecomputedAt1MSpins(benchmark::State& state) {
  BenchProgram p;
  LayDownGame(p.app());
  p.run("click Main_F.Stats");
  int step = 0;
  for (auto _ : state) {
    Grow(p.app(), step++, 2);
    ShowStatistics(p.app());
  }
}
BENCHMARK(BM_StatsRecomputedAt1MSpins)->Unit(benchmark::kMicrosecond);

// The floor: every text and caption of the window written anew.
void BM_StatsTextsFloor(benchmark::State& state) {
  BenchProgram p;
  p.run("click Main_F.Stats");
  StatisticsForm& s = Stats_F(p.app());
  long step = 0;
  for (auto _ : state) {
    const std::string text = Str(static_cast<double>(++step));
    for (const ControlEntry& entry : s.entries())
      for (Control* c : entry.items) {
        if (entry.kind == Kind::TextBox) static_cast<TextBox*>(c)->setText(text);
        if (entry.kind == Kind::Label) static_cast<Label*>(c)->setCaption(text);
      }
  }
}
BENCHMARK(BM_StatsTextsFloor)->Unit(benchmark::kMicrosecond);

// The window opened for the first time on the long game: on top of a recompute, the fair
// wheels of the sector scan are drawn and the spins each kind of bias needs worked out.
void BM_StatsFirstOpenAt1MSpins(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto p = std::make_unique<BenchProgram>();
    LayDownGame(p->app());
    state.ResumeTiming();
    p->run("click Main_F.Stats");
    state.PauseTiming();
    p.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StatsFirstOpenAt1MSpins)->Unit(benchmark::kMillisecond)->Iterations(10);

// The sector scan's fair wheels alone: at most 50 ms.
void BM_SectorScanDrawn(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SectorScan(38).p(100, 600));
}
BENCHMARK(BM_SectorScanDrawn)->Unit(benchmark::kMillisecond);

// Hidden, the window costs one check per change of the game.
void BM_StatsUpdateHidden(benchmark::State& state) {
  BenchProgram p;
  LayDownGame(p.app());
  for (auto _ : state) ShowStatistics(p.app());
}
BENCHMARK(BM_StatsUpdateHidden);

}  // namespace
