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

void ShowStatistics(App& app) {
  StatisticsForm* s = app.forms.stats.record();
  if (!s || !s->visible()) return;
  StatisticsState& state = StatisticsStateOf(app);
  const WheelTally tally = GameTally(app);
  const WheelEvidence& evidence = state.evidence(tally);
  const double strength = FittedStrength(tally.counts, tally.pockets);
  ShowWheelFigures(*s, tally, strength);
  const SingleTests tests = ShowWheelTests(*s, tally, state.scan(tally.pockets), strength);
  ShowEvidence(*s, tally, evidence, tests, state);
  ShowStrategyFigures(app, *s);
}
