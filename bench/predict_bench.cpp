// Time of one prediction and of one verdict pass, headless. The worst Point draw: only
// eighteen numbers have points, seventeen of them the smallest point of 1 in a sum of
// 1000, so the draw repeats numbers it already holds thousands of times.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "cli/script_runner.h"
#include "predict/expect_request.h"
#include "predict/judge.h"

namespace {

class Program {
 public:
  Program() {
    std::string pattern = (std::filesystem::temp_directory_path() / "varnet-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    folder_ = pattern;
    std::filesystem::create_directories(folder_ / "Data/Files");
    std::ofstream(folder_ / "Data/Files/USER.FIL", std::ios::binary) << "38,0,0\r\n";
    std::ofstream settings(folder_ / "Data/Files/USER2.FIL", std::ios::binary);
    settings << "0,0,0,0,0,1,1,10\r\n";
    for (int i = 0; i < 38; ++i) settings << "0,0,0,0,0,0\r\n";
    settings.close();
    runner_ = std::make_unique<ScriptRunner>(folder_, discard_);
    runner_->start();
  }
  ~Program() {
    runner_.reset();
    std::filesystem::remove_all(folder_);
  }
  App& app() { return runner_->app(); }
  void spin(int index, int times = 1) {
    for (int t = 0; t < times; ++t)
      runner_->runLine("click Main_F.Count_P(" + std::to_string(index) + ")");
  }
  // A new set is drawn at the next prediction, whatever the limit.
  void endHold() { Point_F(app()).Ex_Limit.setCaption("0"); }

 private:
  std::filesystem::path folder_;
  std::ostream discard_{nullptr};
  std::unique_ptr<ScriptRunner> runner_;
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
