// The wheel book at a million spins: what the player waits for when opening its window,
// switching wheels and asking for the statistics of the whole wheel, and what a spin costs
// the painting thread. The floor of an append is the same insert through a bare prepared
// statement on the same kind of file. The file's bytes per spin are reported as a counter.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "game/book_record.h"
#include "stats/statistics_window.h"
#include "stats/wheel_tally.h"
#include "store/wheel_book.h"
#include "support/bench_program.h"

namespace {

namespace fs = std::filesystem;

constexpr long MillionSpins = 1'000'000;
constexpr int SpinsPerSession = 1000;
constexpr std::int64_t Noon = 1796731200;

// A book whose first wheel holds a million spins in sessions of a thousand, and a second
// wheel with a few; made once per run.
const fs::path& millionBook() {
  static const fs::path file = [] {
    const fs::path folder = MakeBenchFolder();
    const fs::path f = folder / "million.sqlite3";
    {
      WheelBook book;
      book.open(f, "million.sqlite3", 38, Noon);
      book.addWheel("Casino B", 37, Noon);
    }
    sqlite3* db = nullptr;
    sqlite3_open(f.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* session = nullptr;
    sqlite3_stmt* spin = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO sessions(wheel_id, started_at) VALUES (?, ?)", -1, &session,
                       nullptr);
    sqlite3_prepare_v2(db,
                       "INSERT INTO spins(session_id, number, recorded_at, source)"
                       " VALUES (?, ?, ?, 'entry')",
                       -1, &spin, nullptr);
    std::uint64_t state = 12345;
    for (long n = 0; n < MillionSpins + 100; ++n) {
      const bool second = n >= MillionSpins;
      if (n % SpinsPerSession == 0 || n == MillionSpins) {
        sqlite3_bind_int(session, 1, second ? 2 : 1);
        sqlite3_bind_text(session, 2, "2026-12-08T12:00:00Z", -1, SQLITE_STATIC);
        sqlite3_step(session);
        sqlite3_reset(session);
      }
      state = state * 6364136223846793005ull + 1442695040888963407ull;
      const int index = static_cast<int>((state >> 33) % (second ? 37 : 38));
      const std::string number = index == 36 ? "0" : index == 37 ? "00" : std::to_string(index + 1);
      sqlite3_bind_int64(spin, 1,
                         second ? MillionSpins / SpinsPerSession + 1 : n / SpinsPerSession + 1);
      sqlite3_bind_text(spin, 2, number.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(spin, 3, "2026-12-08T12:00:00Z", -1, SQLITE_STATIC);
      sqlite3_step(spin);
      sqlite3_reset(spin);
    }
    sqlite3_finalize(session);
    sqlite3_finalize(spin);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    sqlite3_close(db);
    return f;
  }();
  return file;
}

// A program started on a copy of the million-spin book.
struct Program : BenchProgram {
  Program() {
    // The program has started on a new book: it takes the million-spin one instead.
    BookOf(app()).book.close();
    const fs::path book = folder() / "Data/Files/wheelbook.sqlite3";
    for (const char* end : {"-wal", "-shm"}) fs::remove(book.string() + end);
    fs::copy_file(millionBook(), book, fs::copy_options::overwrite_existing);
    OpenWheelBook(app());
  }
};

void BM_BookWindowOpen(benchmark::State& state) {
  Program p;
  for (auto _ : state) {
    p.run("click Main_F.Book");
    p.run("click Book_F.Close");
  }
}
BENCHMARK(BM_BookWindowOpen)->Unit(benchmark::kMillisecond);

// Both ways between the million-spin wheel and the small one, with the statistics of the
// whole wheel shown: each switch reads the new wheel's spins and judges them.
void BM_WheelSwitchWithStatistics(benchmark::State& state) {
  Program p;
  p.run("click Main_F.Stats");
  p.run("click Stats_F.Source_Wheel");
  p.run("click Main_F.Book");
  for (auto _ : state) {
    p.run("click Book_F.Wheel(2)");
    p.run("click Book_F.Use_Wheel");
    p.run("click Book_F.Wheel(1)");
    p.run("click Book_F.Use_Wheel");
  }
  state.counters["spins"] = static_cast<double>(WheelBookTally(p.app()).spins());
}
BENCHMARK(BM_WheelSwitchWithStatistics)->Unit(benchmark::kMillisecond);

// The statistics of the whole wheel read from the book anew.
void BM_WheelStatistics(benchmark::State& state) {
  Program p;
  p.run("click Main_F.Stats");
  p.run("click Stats_F.Source_Wheel");
  for (auto _ : state) {
    ForgetWheelSpins(p.app());
    ShowStatistics(p.app());
  }
}
BENCHMARK(BM_WheelStatistics)->Unit(benchmark::kMillisecond);

// A spin appended to the million-spin book, as a click or key does on the painting
// thread; the file's bytes per spin with the log checkpointed.
void BM_BookAppend(benchmark::State& state) {
  const fs::path folder = MakeBenchFolder();
  fs::copy_file(millionBook(), folder / "book.sqlite3");
  WheelBook book;
  book.open(folder / "book.sqlite3", "book.sqlite3", 38, Noon);
  const std::int64_t session = book.startSession(book.currentWheel(), Noon).value;
  int n = 0;
  for (auto _ : state) book.appendSpin(session, n++ % 38, Noon, SpinOrigin::Entry);
  book.close();
  state.counters["bytes_per_spin"] = static_cast<double>(fs::file_size(folder / "book.sqlite3")) /
                                     static_cast<double>(MillionSpins + 100 + n);
  fs::remove_all(folder);
}
BENCHMARK(BM_BookAppend)->Unit(benchmark::kMicrosecond);

// The floor: the same insert through a bare prepared statement, same log mode and sync.
void BM_BookAppendFloor(benchmark::State& state) {
  const fs::path folder = MakeBenchFolder();
  fs::copy_file(millionBook(), folder / "book.sqlite3");
  sqlite3* db = nullptr;
  sqlite3_open((folder / "book.sqlite3").c_str(), &db);
  sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
  sqlite3_stmt* s = nullptr;
  sqlite3_prepare_v2(db,
                     "INSERT INTO spins(session_id, number, recorded_at, source)"
                     " VALUES (1, '17', '2026-12-08T12:00:00Z', 'entry')",
                     -1, &s, nullptr);
  for (auto _ : state) {
    sqlite3_step(s);
    sqlite3_reset(s);
  }
  sqlite3_finalize(s);
  sqlite3_close(db);
  fs::remove_all(folder);
}
BENCHMARK(BM_BookAppendFloor)->Unit(benchmark::kMicrosecond);

}  // namespace
