// A file of 5000 spins imported into a fresh game, as varnet-cli runs the File menu's
// import, against two floors of bare file work: what the import itself cannot avoid (read
// the file of spins and both settings files, replace REAL_SAVE.FIL once), and what the
// same 5000 spins clicked one by one cannot avoid (both settings files read and
// REAL_SAVE.FIL replaced at every spin).
#include <benchmark/benchmark.h>

#include <string>

#include "core/number_index.h"
#include "support/bench_program.h"

namespace {

constexpr int Spins = 5000;

// Every window shown and six areas set, so that each spin does all of its work.
std::string GameSettings() {
  return WindowSettings("1,1,1,1,0,1,0,10", {6, 6, 6, 6, 7, 7});
}

std::string SpinsText() {
  std::string text;
  for (int n = 0; n < Spins; ++n) text += NumberText(n * 7 % 38) + "\r\n";
  return text;
}

void BM_ImportSpins(benchmark::State& state) {
  const std::string spins = SpinsText();
  std::string snapshot;
  Stopwatch import, floor, clicksFloor;
  for (auto _ : state) {
    BenchProgram p(GameSettings());
    const auto files = p.folder() / "Data/Files";
    const auto source = p.folder() / "spins.txt";
    BareReplace(source, spins, false);
    const double before = import.wall;
    import.start();
    p.run("file " + source.string());
    p.run("click Main_F.Import_Spins");
    import.stop();
    state.SetIterationTime(import.wall - before);
    if (p.app().vars.Unsaved != 1) state.SkipWithError("nothing was imported");
    snapshot = p.file("Data/Files/REAL_SAVE.FIL");

    floor.start();
    benchmark::DoNotOptimize(BareRead(source));
    benchmark::DoNotOptimize(BareRead(files / "USER.FIL"));
    benchmark::DoNotOptimize(BareRead(files / "USER2.FIL"));
    BareReplace(files / "BARE_SAVE.FIL", snapshot, false);
    floor.stop();

    clicksFloor.start();
    for (int n = 0; n < Spins; ++n) {
      benchmark::DoNotOptimize(BareRead(files / "USER.FIL"));
      benchmark::DoNotOptimize(BareRead(files / "USER2.FIL"));
      BareReplace(files / "BARE_SAVE.FIL", snapshot, false);
    }
    clicksFloor.stop();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["floor_ms"] = floor.wall / n * 1000;
  state.counters["clicks_floor_ms"] = clicksFloor.wall / n * 1000;
  state.counters["ratio_to_clicks_floor"] = import.wall / clicksFloor.wall;
  state.counters["cpu_ms"] = import.cpu / n * 1000;
}
BENCHMARK(BM_ImportSpins)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
