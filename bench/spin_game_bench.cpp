// A whole game of 5000 spins recorded as varnet-cli records them, against the floor of the
// file work those spins cannot avoid: each reads both settings files and replaces
// REAL_SAVE.FIL whole. Spin and floor take turns, one spin then its file work, so that
// both meet the same disk while its speed drifts, and their ratio holds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <sstream>
#include <string>
#include <thread>
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

// A disk whose syncs take 50 ms, as on a slow or busy disk or a network home folder.
class SlowDisk : public Disk {
 public:
  ~SlowDisk() override { finish(); }

 protected:
  bool syncFile(int fd, const std::filesystem::path& file) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return Disk::syncFile(fd, file);
  }
  bool syncFolder(const std::filesystem::path& folder) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return Disk::syncFolder(folder);
  }
};

double percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

// A spin on a disk whose syncs take 50 ms, keystroke to the end of the event (what the
// screen waits for before it repaints), against the bare file work it needs: both
// settings files read, REAL_SAVE.FIL and the recovery file replaced, the spin's row put in
// the wheel book, nothing synced.
void BM_SpinWithAutosave(benchmark::State& state) {
  constexpr int AutosavedSpins = 400;
  const char* const recovery = "Data/Files/RESUME.FIL";
  std::vector<std::vector<std::string>> written;
  {
    BenchProgram p(GameSettings());
    for (int n = 0; n < AutosavedSpins; ++n) {
      p.spin(SpinNumber(n));
      written.push_back({p.file(Snapshot), p.file(recovery)});
    }
  }
  Stopwatch program, floor;
  std::vector<double> spins;
  for (auto _ : state) {
    BenchProgram p(GameSettings());
    p.app().disk = std::make_unique<SlowDisk>();
    const auto files = p.folder() / "Data/Files";
    BareBook book(files / "bare.sqlite3");
    const double before = program.wall;
    for (int n = 0; n < AutosavedSpins; ++n) {
      const auto& bytes = written[static_cast<std::size_t>(n)];
      const double spinStart = program.wall;
      program.start();
      p.spin(SpinNumber(n));
      program.stop();
      spins.push_back(program.wall - spinStart);
      floor.start();
      benchmark::DoNotOptimize(BareRead(files / "USER.FIL"));
      benchmark::DoNotOptimize(BareRead(files / "USER2.FIL"));
      BareReplace(files / "BARE_SAVE.FIL", bytes[0], false);
      BareReplace(files / "BARE_RESUME.FIL", bytes[1], false);
      book.append(SpinNumber(n));
      floor.stop();
    }
    state.SetIterationTime(program.wall - before);
    // The syncs are the worker's, off the spin's time; they end with the program.
    p.app().disk->flush();
  }
  const double n = static_cast<double>(spins.size());
  state.counters["median_ms"] = percentile(spins, 0.5) * 1000;
  state.counters["p99_ms"] = percentile(spins, 0.99) * 1000;
  state.counters["floor_ms"] = floor.wall / n * 1000;
  // Processor time of the whole program, its sync worker included.
  state.counters["cpu_ms"] = program.cpu / n * 1000;
  state.counters["floor_cpu_ms"] = floor.cpu / n * 1000;
  state.counters["cpu_ratio"] = program.cpu / floor.cpu;
}
BENCHMARK(BM_SpinWithAutosave)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// A whole run of varnet-cli over a script of 5000 spins on the real disk, syncs and the
// last flush at its end included, against a floor that does the same reads and writes
// (both settings files read; REAL_SAVE.FIL and the recovery file replaced by write and
// rename; the spin's row put in the wheel book) without a sync.
void BM_CliRunOf5000Spins(benchmark::State& state) {
  std::string script;
  for (int n = 0; n < Spins; ++n)
    script += "click Main_F.Count_P(" + std::to_string(SpinNumber(n)) + ")\n";
  std::vector<std::array<std::string, 2>> written;
  {
    BenchProgram p(GameSettings());
    for (int n = 0; n < Spins; ++n) {
      p.spin(SpinNumber(n));
      written.push_back({p.file(Snapshot), p.file("Data/Files/RESUME.FIL")});
    }
  }
  double programWall = 0, floorWall = 0;
  bool floorFirst = false;
  for (auto _ : state) {
    const auto folder = MakeBenchFolder(GameSettings());
    const auto files = folder / "Data/Files";
    const auto runFloor = [&] {
      const auto begin = std::chrono::steady_clock::now();
      BareBook book(files / "bare.sqlite3");
      for (int n = 0; n < Spins; ++n) {
        const auto& bytes = written[static_cast<std::size_t>(n)];
        benchmark::DoNotOptimize(BareRead(files / "USER.FIL"));
        benchmark::DoNotOptimize(BareRead(files / "USER2.FIL"));
        BareReplace(files / "BARE_SAVE.FIL", bytes[0], false);
        BareReplace(files / "BARE_RESUME.FIL", bytes[1], false);
        book.append(SpinNumber(n));
      }
      floorWall += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    };
    // Program and floor take turns at going first, to meet the disk alike.
    if (floorFirst) runFloor();
    std::ostream discard(nullptr);
    const auto begin = std::chrono::steady_clock::now();
    {
      ScriptRunner runner(folder, discard);
      std::istringstream in(script);
      runner.run(in);
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    programWall += wall;
    state.SetIterationTime(wall);
    if (!floorFirst) runFloor();
    floorFirst = !floorFirst;
    std::filesystem::remove_all(folder);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["floor_ms"] = floorWall / n * 1000;
  state.counters["ratio"] = programWall / floorWall;
}
BENCHMARK(BM_CliRunOf5000Spins)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(4);

}  // namespace
