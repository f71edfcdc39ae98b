// What the user waits for after a click that touches the disk (a spin, an undo, a slot
// save or load), measured end to end through the scripted front end, and the bare file
// operations underneath as the floor.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "support/bench_program.h"

namespace {

namespace fs = std::filesystem;

// A program with a game of 200 spins and slot 1 saved.
struct Program : BenchProgram {
  Program() {
    for (int n = 0; n < 200; ++n) spin(n * 7 % 38);
    run("click Main_F.Save_Load");
    run("answer yes");
    run("click Save_Load_F.Save(1)");
  }
};

void BM_SpinEntry(benchmark::State& state) {
  Program p;
  int n = 0;
  for (auto _ : state) p.spin(n++ % 38);
}
BENCHMARK(BM_SpinEntry)->Unit(benchmark::kMicrosecond);

void BM_Undo(benchmark::State& state) {
  Program p;
  for (auto _ : state) {
    state.PauseTiming();
    p.spin(5);
    state.ResumeTiming();
    p.run("click Main_F.Count_M(5)");
  }
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMicrosecond);

void BM_SlotSave(benchmark::State& state) {
  Program p;
  for (auto _ : state) {
    p.run("answer yes");
    p.run("click Save_Load_F.Save(2)");
  }
}
BENCHMARK(BM_SlotSave)->Unit(benchmark::kMicrosecond);

void BM_SlotLoad(benchmark::State& state) {
  Program p;
  for (auto _ : state) {
    p.run("answer yes");
    p.run("click Save_Load_F.Load(1)");
  }
}
BENCHMARK(BM_SlotLoad)->Unit(benchmark::kMicrosecond);

// A spin reads both settings files and replaces REAL_SAVE.FIL.
void BM_BareSpinFiles(benchmark::State& state) {
  Program p;
  const fs::path files = p.folder() / "Data/Files";
  const std::string bytes = p.file("Data/Files/REAL_SAVE.FIL");
  for (auto _ : state) {
    benchmark::DoNotOptimize(BareRead(files / "USER.FIL"));
    benchmark::DoNotOptimize(BareRead(files / "USER2.FIL"));
    BareReplace(p.folder() / "bare.FIL", bytes, false);
  }
}
BENCHMARK(BM_BareSpinFiles)->Unit(benchmark::kMicrosecond);

// An undo reads REAL_SAVE.FIL.
void BM_BareUndoFiles(benchmark::State& state) {
  Program p;
  const fs::path file = p.folder() / "Data/Files/REAL_SAVE.FIL";
  for (auto _ : state) benchmark::DoNotOptimize(BareRead(file));
}
BENCHMARK(BM_BareUndoFiles)->Unit(benchmark::kMicrosecond);

// A slot save writes the slot's two files and USER2.FIL; the slot files are synced.
void BM_BareSlotSaveFiles(benchmark::State& state) {
  Program p;
  const std::string save = p.file("Data/Files/Save1.FIL");
  const std::string user3 = p.file("Data/Files/USER3_1.FIL");
  const std::string user2 = p.file("Data/Files/USER2.FIL");
  const fs::path dir = p.folder();
  for (auto _ : state) {
    BareReplace(dir / "bareSave.FIL", save, true);
    BareReplace(dir / "bareUSER3.FIL", user3, true);
    BareSyncFolder(dir);
    BareReplace(dir / "bareUSER2.FIL", user2, false);
  }
}
BENCHMARK(BM_BareSlotSaveFiles)->Unit(benchmark::kMicrosecond);

// A slot load reads the slot's two files and rewrites USER2.FIL.
void BM_BareSlotLoadFiles(benchmark::State& state) {
  Program p;
  const fs::path files = p.folder() / "Data/Files";
  const std::string user2 = p.file("Data/Files/USER2.FIL");
  for (auto _ : state) {
    benchmark::DoNotOptimize(BareRead(files / "Save1.FIL"));
    benchmark::DoNotOptimize(BareRead(files / "USER3_1.FIL"));
    BareReplace(p.folder() / "bareUSER2.FIL", user2, false);
  }
}
BENCHMARK(BM_BareSlotLoadFiles)->Unit(benchmark::kMicrosecond);

}  // namespace
