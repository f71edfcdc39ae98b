// Time of one prediction and of one verdict pass, headless. The worst Point draw: only
// eighteen numbers have points, seventeen of them the smallest point of 1 in a sum of
// 1000, so the draw repeats numbers it already holds thousands of times.
#include <benchmark/benchmark.h>

#include "game/expect_request.h"
#include "predict/judge.h"
#include "support/bench_program.h"

namespace {

// Quick Expect on, no area set: the area step draws nothing.
struct Program : BenchProgram {
  Program() : BenchProgram(WindowSettings("0,0,0,0,0,1,1,10", {})) {}
  // A new set is drawn at the next prediction, whatever the limit.
  void endHold() { Point_F(app()).Ex_Limit.setCaption("0"); }
};

void predictRepeatedly(benchmark::State& state, Program& p) {
  p.endHold();
  MakeExpect(p.app());
  if (Point_F(p.app()).Status_L.caption() != "予想済み")
    return state.SkipWithError("the Point step made no draw");
  for (auto _ : state) {
    p.app().vars.ExpectDone = 0;
    p.endHold();
    MakeExpect(p.app());
  }
}

void BM_MakeExpect(benchmark::State& state) {
  Program p;
  for (int round = 0; round < 10; ++round)
    for (int i = 0; i < 38; ++i) p.spin(i);
  predictRepeatedly(state, p);
}
BENCHMARK(BM_MakeExpect);

void BM_MakeExpectWorstPointDraw(benchmark::State& state) {
  Program p;
  p.spin(0, 983);
  for (int i = 1; i <= 17; ++i) p.spin(i);
  predictRepeatedly(state, p);
}
BENCHMARK(BM_MakeExpectWorstPointDraw);

void BM_JudgeExpect(benchmark::State& state) {
  Program p;
  for (int round = 0; round < 10; ++round)
    for (int i = 0; i < 38; ++i) p.spin(i);
  p.endHold();
  MakeExpect(p.app());
  int index = 0;
  for (auto _ : state) {
    p.app().vars.ExpectDone = 1;
    p.app().vars.CurrentIndex = index;
    p.app().vars.ColourClass = index % 2 + 1;
    JudgeExpect(p.app());
    index = (index + 1) % 36;
  }
}
BENCHMARK(BM_JudgeExpect);

}  // namespace
