// A whole game of 5000 spins recorded as varnet-cli records them, against the floor of the
// file work those spins cannot avoid: each reads both settings files and replaces
// REAL_SAVE.FIL whole. Spin and floor take turns, one spin then its file work, so that
// both meet the same disk while its speed drifts, and their ratio holds.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "support/bench_program.h"

namespace {

constexpr int Spins = 5000;
const char* const Snapshot = "Data/Files/REAL_SAVE.FIL";

// Every window shown and six areas set, so that each spin does all of its work.
std::string GameSettings() {
  return WindowSettings("1,1,1,1,0,1,0,10", {6, 6, 6, 6, 7, 7});
}

int SpinNumber(int n) {
  return n * 7 % 38;
}

void BM_GameOfSpins(benchmark::State& state) {
  // The bytes each spin of the game writes, for the floor to write the same.
  std::vector<std::string> snapshots;
  {
    BenchProgram p(GameSettings());
    for (int n = 0; n < Spins; ++n) {
      p.spin(SpinNumber(n));
      snapshots.push_back(p.file(Snapshot));
    }
  }
  Stopwatch program, floor;
  for (auto _ : state) {
    BenchProgram p(GameSettings());
    const auto files = p.folder() / "Data/Files";
    const double before = program.wall;
    for (int n = 0; n < Spins; ++n) {
      program.start();
      p.spin(SpinNumber(n));
      program.stop();
      floor.start();
      benchmark::DoNotOptimize(BareRead(files / "USER.FIL"));
      benchmark::DoNotOptimize(BareRead(files / "USER2.FIL"));
      BareReplace(files / "BARE_SAVE.FIL", snapshots[static_cast<std::size_t>(n)], false);
      floor.stop();
    }
    state.SetIterationTime(program.wall - before);
  }
  // Time is the game's wall clock; the floor's and both processor times stand beside it.
  const double n = static_cast<double>(state.iterations());
  state.counters["floor_ms"] = floor.wall / n * 1000;
  state.counters["ratio"] = program.wall / floor.wall;
  state.counters["cpu_ms"] = program.cpu / n * 1000;
  state.counters["floor_cpu_ms"] = floor.cpu / n * 1000;
  state.counters["cpu_ratio"] = program.cpu / floor.cpu;
}
BENCHMARK(BM_GameOfSpins)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// A spin that keeps the game in the recovery pair, against the bare file work it needs:
// both settings files read, REAL_SAVE.FIL replaced, and both files of the pair replaced
// and synced with their folder. Fewer spins than the game above: each one syncs.
void BM_SpinWithAutosave(benchmark::State& state) {
  constexpr int AutosavedSpins = 400;
  const char* const pair[] = {"Data/Files/RESUME.FIL", "Data/Files/RESUME3.FIL"};
  std::vector<std::vector<std::string>> written;
  {
    BenchProgram p(GameSettings());
    for (int n = 0; n < AutosavedSpins; ++n) {
      p.spin(SpinNumber(n));
      written.push_back({p.file(Snapshot), p.file(pair[0]), p.file(pair[1])});
    }
  }
  Stopwatch program, floor;
  for (auto _ : state) {
    BenchProgram p(GameSettings());
    const auto files = p.folder() / "Data/Files";
    const double before = program.wall;
    for (int n = 0; n < AutosavedSpins; ++n) {
      const auto& bytes = written[static_cast<std::size_t>(n)];
      program.start();
      p.spin(SpinNumber(n));
      program.stop();
      floor.start();
      benchmark::DoNotOptimize(BareRead(files / "USER.FIL"));
      benchmark::DoNotOptimize(BareRead(files / "USER2.FIL"));
      BareReplace(files / "BARE_SAVE.FIL", bytes[0], false);
      BareReplace(files / "BARE_PAIR.FIL", bytes[1], true);
      BareReplace(files / "BARE_PAIR3.FIL", bytes[2], true);
      BareSyncFolder(files);
      floor.stop();
    }
    state.SetIterationTime(program.wall - before);
  }
  const double n = static_cast<double>(state.iterations()) * AutosavedSpins;
  state.counters["spin_ms"] = program.wall / n * 1000;
  state.counters["floor_ms"] = floor.wall / n * 1000;
  state.counters["ratio"] = program.wall / floor.wall;
  state.counters["cpu_ratio"] = program.cpu / floor.cpu;
}
BENCHMARK(BM_SpinWithAutosave)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
