#include "game/undo.h"

#include "area/area_verdicts.h"
#include "core/number_index.h"
#include "core/numeric.h"
#include "game/book_record.h"
#include "game/rows_and_strip.h"
#include "game/snapshot_cycle.h"
#include "log/log_page.h"
#include "log/log_store.h"
#include "predict/total_window.h"
#include "stats/statistics_window.h"
#include "store/snapshot_files.h"
#include "windows/app.h"
#include "windows/sounds.h"

namespace {

void subtractOne(TextBox& t) {
  t.setText(Str(Val(t.text()) - 1));
}

}  // namespace

void Count_M_Click(App& app, int i) {
  auto& v = app.vars;
  if (v.LastIndex != i) return;
  MainForm& m = Main_F(app);
  if (Val(m.Hit_Count(i).text()) == 0) {
    v.LastIndex = 100;
    return;
  }
  // The status windows before the spin come from REAL_SAVE.FIL: when it cannot be read
  // the spin stays as it is, figures and all.
  if (!LoadSnapshotFile(app, RealSaveFile)) return;
  v.LastIndex = 100;
  TakeBackFromBook(app);
  PlayCountSound(app);

  subtractOne(m.Hit_Count(i));
  RemoveLogEntry(app, CInt(Val(m.Total.text())));
  subtractOne(m.Total);
  const double total = Val(m.Total.text());
  // Above five spins the round count is written unrounded, unlike after a spin.
  if (total > 5) m.Round_T.setText(Str(total / v.PocketCount));
  if (v.LogColour(0) == RedClass) subtractOne(m.Red);
  if (v.LogColour(0) == BlackClass) subtractOne(m.Black);
  if (total >= 1) WriteRates(m, v.PocketCount);
  PaintHitLevels(m, UndoThresholds, v.PocketCount);

  // The strip moves up by one; the result that dropped off its end does not come back.
  for (int j = 0; j <= 23; ++j) {
    v.LogText(j) = v.LogText(j + 1);
    v.LogColour(j) = v.LogColour(j + 1);
  }
  v.LogText(24).clear();
  v.LogColour(24) = 0;
  const long count = CInt(total);
  for (int j = 0; j <= 24; ++j) {
    if (count > j) m.Log(j).setCaption(v.LogText(j));
    if (v.LogColour(j) == NoClass) m.Log(j).setCaption("");
    PaintStripCell(m, j, v.LogColour(j));
  }
  MarkLastSpin(m);

  RestoreOrWindow(app);
  RestorePointWindow(app);
  RestoreAreaWindow(app, RealSaveFile);
  RestoreTotalWindow(app);
  AreaVerdictsOf(app).takeBackSpin();
  ShowLogPage(app);
  ShowStatistics(app);
}
