// Reading the two settings files, as every spin does before it uses a setting, against
// reading their bytes alone.
#include <benchmark/benchmark.h>

#include "core/disk.h"
#include "store/settings.h"
#include "support/bench_program.h"

namespace {

void BM_ReadSettings(benchmark::State& state) {
  BenchProgram p(WindowSettings("1,1,1,1,1,1,0,10", {7, 6, 6, 6, 6, 7}));
  for (auto _ : state) {
    LoadUserSettings(p.app());
    LoadWindowSettings(p.app());
  }
}
BENCHMARK(BM_ReadSettings)->Unit(benchmark::kMicrosecond);

// The floor: the two files read whole, nothing parsed.
void BM_BareSettingsFiles(benchmark::State& state) {
  BenchProgram p(WindowSettings("1,1,1,1,1,1,0,10", {7, 6, 6, 6, 6, 7}));
  const auto files = p.folder() / "Data/Files";
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadWholeFile(files / "USER.FIL"));
    benchmark::DoNotOptimize(ReadWholeFile(files / "USER2.FIL"));
  }
}
BENCHMARK(BM_BareSettingsFiles)->Unit(benchmark::kMicrosecond);

}  // namespace
