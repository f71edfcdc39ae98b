#include "game/stats_window.h"

#include "game/strategy_stats.h"
#include "game/wheel_stats.h"
#include "windows/app.h"
#include "windows/sounds.h"

void Stats_Click(App& app, int) {
  PlayBgm1Sound(app);
  Stats_F(app).setVisible(true);
  ShowStats(app);
}

void Sort_Z_Click(App& app, int) {
  ShowStats(app);
}

void ShowStats(App& app) {
  StatsForm* s = app.forms.stats.record();
  if (!s || !s->visible()) return;
  ShowWheelStats(app, *s);
  ShowStrategyStats(app, *s);
}

void RestartAreaVerdicts(App& app) {
  const AreaScores scores = AllAreaScores(app);
  app.areaVerdicts.restart(scores.hit, scores.out);
}
