#include <benchmark/benchmark.h>

#include <sstream>

#include "area/area_predict.h"
#include "area/area_stats.h"
#include "support/bench_program.h"

namespace {

// A started program whose saved set has areas of 6, 6, 6, 6, 7 and 7 numbers.
struct AreaProgram : BenchProgram {
  AreaProgram() : BenchProgram(WindowSettings("0,1,0,0,0,1,1,10", {6, 6, 6, 6, 7, 7})) {}
};

// The per-spin update of counts, markers and levels.
void BM_UpdateAreaStats(benchmark::State& state) {
  AreaProgram p;
  int i = 0;
  for (auto _ : state) {
    p.app().vars.CurrentIndex = i;
    UpdateAreaStats(p.app());
    i = (i + 7) % 38;
  }
}
BENCHMARK(BM_UpdateAreaStats);

// One area prediction and its verdict, with the program's own clock-mixed generator.
void BM_AreaExpectAndVerdict(benchmark::State& state) {
  AreaProgram p;
  int i = 0;
  for (auto _ : state) {
    AreaExpectStep(p.app());
    p.app().vars.CurrentIndex = i;
    AreaJudgeStep(p.app(), true);
    i = (i + 11) % 38;
  }
}
BENCHMARK(BM_AreaExpectAndVerdict);

void BM_ShowAreaSet(benchmark::State& state) {
  AreaProgram p;
  for (auto _ : state) ShowAreaSet(p.app());
}
BENCHMARK(BM_ShowAreaSet);

// A whole edit as the user makes it: start, 38 cell clicks, save (which rewrites
// USER2.FIL).
void BM_AreaEdit(benchmark::State& state) {
  AreaProgram p;
  std::string clicks = "answer yes\nclick Area_F.Area_Set\n";
  for (int i = 1; i <= 38; ++i)
    clicks += "click Area_F.Area" + std::to_string(1 + (i - 1) / 7) + "_Deme(" + std::to_string(i) +
              ")\n";
  clicks += "click Area_F.Set_B\n";
  for (auto _ : state) {
    std::istringstream script(clicks);
    p.runner().run(script);
  }
  if (p.app().vars.AreaEditing != 0 || p.app().vars.AreaMember(6)(37) != 1)
    state.SkipWithError("the edit did not complete");
}
BENCHMARK(BM_AreaEdit);

}  // namespace
