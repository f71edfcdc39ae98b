#include "game/reset.h"

#include "area/area_stats.h"
#include "area/area_verdicts.h"
#include "core/number_index.h"
#include "core/numeric.h"
#include "game/book_record.h"
#include "game/rows_and_strip.h"
#include "game/status_switches.h"
#include "game/zero_mode.h"
#include "log/log_window.h"
#include "stats/statistics_window.h"
#include "store/settings.h"
#include "windows/app.h"
#include "windows/message.h"
#include "windows/sounds.h"

void Clear_Click(App& app, int) {
  if (RefuseWhileAreaEditing(app)) return;
  Beep(app);
  if (!AskBeforeDiscarding(app, "現在のデータをクリアしますか?")) return;
  ClearGame(app);
}

void ClearGame(App& app) {
  auto& v = app.vars;
  MainForm& m = Main_F(app);
  for (TextBox* t : {&m.Total, &m.Round_T, &m.Red, &m.Black}) t->setText("0");
  for (int i = 0; i <= 37; ++i) {
    m.Hit_Count(i).setText("0");
    m.Rate(i).setText("0");
    for (int k = 1; k <= 10; ++k) m.Hit_Level(k)(i).setBack(ButtonFace);
  }
  for (int j = 0; j <= 24; ++j) {
    m.Log(j).setCaption("");
    m.Log(j).setBack(ButtonFace);
    v.LogText(j).clear();
    v.LogColour(j) = 0;
  }
  MarkLastSpin(m);
  app.forms.blackOrRed.unload(app);
  app.forms.point.unload(app);
  app.forms.area.unload(app);
  app.forms.total.unload(app);
  RestartAreaVerdicts(app);
  // A ticked box runs its handler, which recreates its window hidden.
  UntickStatusBox(app, m.OR, v.OrWindowOn);
  UntickStatusBox(app, m.Point_C, v.PointWindowOn);
  UntickStatusBox(app, m.Area, v.AreaWindowOn);
  UntickStatusBox(app, m.Total_C, v.TotalWindowOn);
  ReportWrite(app, SaveWindowSettings(app));
  v.Unsaved = 2;
  EmptyLog(app);
  NewGameInBook(app);
  // The toggle loop leaves the last toggle's index and class behind.
  v.CurrentIndex = 39;
  ClassifyColour(v);
  ShowStatistics(app);
}

void Zero_Check_Click(App& app, int) {
  if (RefuseWhileAreaEditing(app)) return;
  MainForm& m = Main_F(app);
  if (CInt(Val(m.Total.text())) >= 1) {
    MsgBox(app, "00 有無のセットはメニューの File→Clear を実行してください。", BoxIcon::Info);
    return;
  }
  PlayMenuSound(app);
  LoadUserSettings(app);
  auto& v = app.vars;
  const bool on = v.PocketCount != 38;
  m.Zero_Check.setChecked(on);
  v.PocketCount = on ? 38 : 37;
  SetRow37Visible(m, on);
  ReportWrite(app, SaveUserSettings(app));
  ShowAreaSet(app);
  ShowStatistics(app);
}
