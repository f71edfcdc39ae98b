#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "gui/front_end.h"
#include "log/log_page.h"

namespace {

// The desktop program, silent, with its log window shown and two full log pages.
class ShownLog {
 public:
  ShownLog() : folder_(MakeBenchFolder()) {
    frontEnd_ = std::make_unique<FrontEnd>(folder_);
    frontEnd_->start();
    for (int k = 1; k <= 200; ++k) app().vars.SpinLog(k) = (k * 7) % 38 + 1;
    MainForm& m = Main_F(app());
    frontEnd_->send({EventKind::Click, FormId::Main_F, &m.Log_B, {}});
    Settle();
  }
  ~ShownLog() {
    frontEnd_.reset();
    QCoreApplication::processEvents();
    std::filesystem::remove_all(folder_);
  }
  App& app() { return frontEnd_->app(); }
  FrontEnd& frontEnd() { return *frontEnd_; }

 private:
  std::filesystem::path folder_;
  std::unique_ptr<FrontEnd> frontEnd_;
};

// Pages 1 and 2 in turn: the renderer, the widget refresh and the repaint of all 100 rows.
void BM_GuiShowLogPage_PageTurn(benchmark::State& state) {
  ShownLog s;
  QWidget* window = s.frontEnd().view(FormId::Log_F)->window();
  for (auto _ : state) {
    s.app().vars.LogPage = 3 - s.app().vars.LogPage;
    ShowLogPage(s.app());
    s.frontEnd().refresh();
    window->repaint();
  }
}
BENCHMARK(BM_GuiShowLogPage_PageTurn)->Unit(benchmark::kMicrosecond);

// What the user waits for after a click on "＞" with the log window open: the spin, its
// log entry and the redraw of both windows. 400 spins stay below the notice at spin 501.
void BM_GuiSpinWithLogOpen(benchmark::State& state) {
  ShownLog s;
  s.app().vars.SpinLog.fill(0);
  MainForm& m = Main_F(s.app());
  int spin = 0;
  for (auto _ : state) {
    s.frontEnd().send({EventKind::Click, FormId::Main_F, &m.Count_P(spin++ % 38), {}});
    Settle();
  }
}
BENCHMARK(BM_GuiSpinWithLogOpen)->Unit(benchmark::kMicrosecond)->Iterations(400);

}  // namespace
