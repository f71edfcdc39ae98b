#include "stats/statistics_window.h"

#include "stats/bet_posterior.h"
#include "stats/evidence_figures.h"
#include "stats/statistics_state.h"
#include "stats/strategy_figures.h"
#include "stats/wheel_figures.h"
#include "stats/wheel_tests.h"
#include "windows/app.h"
#include "windows/sounds.h"

void Stats_Click(App& app, int) {
  PlayBgm1Sound(app);
  Stats_F(app).setVisible(true);
  ShowStatistics(app);
}

void Sort_Rate_Click(App& app, int) {
  ShowStatistics(app);
}

namespace {

void chooseSource(App& app, bool wheel) {
  StatisticsState& state = StatisticsStateOf(app);
  if (state.choosingSource) return;
  state.choosingSource = true;
  StatisticsForm& s = Stats_F(app);
  s.Source_Game.setValue(app, wheel ? 0 : 1);
  s.Source_Wheel.setValue(app, wheel ? 1 : 0);
  state.choosingSource = false;
  ShowStatistics(app);
}

}  // namespace

void Source_Game_Click(App& app, int) {
  chooseSource(app, false);
}

void Source_Wheel_Click(App& app, int) {
  chooseSource(app, true);
}

void ShowStatistics(App& app) {
  StatisticsForm* s = app.forms.stats.record();
  if (!s || !s->visible()) return;
  StatisticsState& state = StatisticsStateOf(app);
  const WheelTally tally =
      s->Source_Wheel.value() == 1 && state.wheelTally ? state.wheelTally(app) : GameTally(app);
  const WheelEvidence& evidence = state.evidence(tally);
  const double strength = FittedStrength(tally.counts, tally.pockets);
  ShowWheelFigures(*s, tally, strength);
  const SingleTests tests = ShowWheelTests(*s, tally, state.scan(tally.pockets), strength);
  ShowEvidence(*s, tally, evidence, tests, state);
  ShowStrategyFigures(app, *s);
}
