#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/script_runner.h"
#include "log/log_page.h"

namespace {

// A started program in a fresh folder whose first two log pages are full.
class LoggedProgram {
 public:
  LoggedProgram() {
    std::string pattern = (std::filesystem::temp_directory_path() / "varnet-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    folder_ = pattern;
    runner_ = std::make_unique<ScriptRunner>(folder_, out_);
    runner_->start();
    for (int k = 1; k <= 200; ++k) app().vars.SpinLog(k) = (k * 7) % 38 + 1;
    app().vars.SearchOn(5) = 1;
    ShowLogPage(app());
  }
  ~LoggedProgram() {
    runner_.reset();
    std::filesystem::remove_all(folder_);
  }
  App& app() { return runner_->app(); }

 private:
  std::filesystem::path folder_;
  std::ostringstream out_;
  std::unique_ptr<ScriptRunner> runner_;
};

// Nothing changed since the last redraw: every row is compared and left alone.
void BM_ShowLogPage_Unchanged(benchmark::State& state) {
  LoggedProgram p;
  for (auto _ : state) ShowLogPage(p.app());
}
BENCHMARK(BM_ShowLogPage_Unchanged);

// Pages 1 and 2 in turn: every entry number, number and colour changes.
void BM_ShowLogPage_PageTurn(benchmark::State& state) {
  LoggedProgram p;
  for (auto _ : state) {
    p.app().vars.LogPage = 3 - p.app().vars.LogPage;
    ShowLogPage(p.app());
  }
}
BENCHMARK(BM_ShowLogPage_PageTurn);

// "Red" on and off in turn: the colours of the red entries change.
void BM_ShowLogPage_RedSearch(benchmark::State& state) {
  LoggedProgram p;
  for (auto _ : state) {
    p.app().vars.SearchOn(39) = 1 - p.app().vars.SearchOn(39);
    ShowLogPage(p.app());
  }
}
BENCHMARK(BM_ShowLogPage_RedSearch);

}  // namespace
