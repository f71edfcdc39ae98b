#include "game/whole_game.h"

#include "area/area_verdicts.h"
#include "game/rows_and_strip.h"
#include "game/snapshot_cycle.h"
#include "log/log_page.h"
#include "predict/total_window.h"
#include "stats/statistics_window.h"
#include "store/settings.h"
#include "windows/app.h"
#include "windows/message.h"

SlotFile TakeGame(App& app) {
  MainForm& m = Main_F(app);
  TotalForm& t = Total_F(app);
  const auto& v = app.vars;
  SlotFile f;
  f.total = m.Total.text();
  f.round = m.Round_T.text();
  f.red = m.Red.text();
  f.black = m.Black.text();
  for (int i = 0; i <= 37; ++i) {
    f.hitCount(i) = m.Hit_Count(i).text();
    f.rate(i) = m.Rate(i).text();
  }
  f.logText = v.LogText;
  f.logColour = v.LogColour;
  f.expectHit = t.Expect_Hit.text();
  f.expectOut = t.Expect_Out.text();
  f.winRate = t.Win_Rate.text();
  f.spinLog = v.SpinLog;
  return f;
}

void PutGameInPlace(App& app, const SlotFile& f, const SnapshotFile& from) {
  auto& v = app.vars;
  v.LogText = f.logText;
  v.LogColour = f.logColour;
  v.SpinLog = f.spinLog;
  ShowLogPage(app);

  TotalForm& t = Total_F(app);
  t.Expect_Hit.setText(f.expectHit);
  t.Expect_Out.setText(f.expectOut);
  t.Win_Rate.setText(f.winRate);

  MainForm& m = Main_F(app);
  m.Total.setText(f.total);
  m.Round_T.setText(f.round);
  m.Red.setText(f.red);
  m.Black.setText(f.black);
  for (int i = 0; i <= 37; ++i) {
    m.Hit_Count(i).setText(f.hitCount(i));
    m.Rate(i).setText(f.rate(i));
  }
  for (int j = 0; j <= 24; ++j) {
    m.Log(j).setCaption(v.LogText(j));
    PaintStripCell(m, j, v.LogColour(j));
  }
  MarkLastSpin(m);
  PaintHitLevels(m, SpinThresholds, v.PocketCount);

  RestoreOrWindow(app);
  RestorePointWindow(app);
  RestoreAreaWindow(app, from);
  // USER2.FIL takes the areas the game brought.
  ReportWrite(app, SaveWindowSettings(app));
  RestartAreaVerdicts(app);
  // The undo snapshot belongs to the data that was replaced: nothing to take back.
  v.LastIndex = 100;
  // From one hit on the rate and status follow the loaded tallies; below that the Total
  // window keeps the rate from the file and the status it showed.
  ShowTotalStatus(app);
  ShowStatistics(app);
}
