#include "stats/statistics_window.h"

#include "stats/strategy_figures.h"
#include "stats/wheel_figures.h"
#include "windows/app.h"
#include "windows/sounds.h"

void Stats_Click(App& app, int) {
  PlayBgm1Sound(app);
  Stats_F(app).setVisible(true);
  ShowStatistics(app);
}

void Sort_Z_Click(App& app, int) {
  ShowStatistics(app);
}

void ShowStatistics(App& app) {
  StatisticsForm* s = app.forms.stats.record();
  if (!s || !s->visible()) return;
  ShowWheelFigures(app, *s);
  ShowStrategyFigures(app, *s);
}
