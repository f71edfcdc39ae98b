#include "game/save_load_window.h"

#include "game/hit_levels.h"
#include "game/snapshot_cycle.h"
#include "game/stats_window.h"
#include "log/log_page.h"
#include "predict/total_window.h"
#include "store/data_file.h"
#include "store/slot_files.h"
#include "store/snapshot_files.h"
#include "windows/app.h"
#include "windows/message.h"
#include "windows/sounds.h"
#include "windows/status_windows.h"

namespace {

SlotFile takeSlotFile(App& app, int n) {
  MainForm& m = Main_F(app);
  TotalForm& t = Total_F(app);
  const auto& v = app.vars;
  SlotFile f;
  f.date = app.services.clock->generalDate();
  f.comment = Save_Load_F(app).Comment(n).text();
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

void showSlotFile(App& app, int n, const SlotFile& f) {
  auto& v = app.vars;
  v.LogText = f.logText;
  v.LogColour = f.logColour;
  v.SpinLog = f.spinLog;
  ShowLogPage(app);

  TotalForm& t = Total_F(app);
  t.Expect_Hit.setText(f.expectHit);
  t.Expect_Out.setText(f.expectOut);
  t.Win_Rate.setText(f.winRate);
  SaveLoadForm& w = Save_Load_F(app);
  w.Date(n).setCaption(f.date);
  w.Comment(n).setText(f.comment);

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
}

}  // namespace

void Save_Load_F_Load(App& app) {
  SaveLoadForm& w = Save_Load_F(app);
  for (int n = 1; n <= 5; ++n) {
    auto [date, comment] = SlotListing(app, n);
    w.Date(n).setCaption(date);
    w.Comment(n).setText(comment);
  }
}

void Save_Click(App& app, int n) {
  Beep(app);
  if (!AskBeforeDiscarding(app, "Data " + std::to_string(n) + " は上書きされます。よろしいですか?"))
    return;
  auto& v = app.vars;
  const SlotFile f = takeSlotFile(app, n);

  // Both files of the slot are replaced together, or neither is.
  v.SlotNo = n;
  SnapOrWindow(app);
  SnapPointWindow(app);
  SnapAreaWindow(app);
  const bool saved =
      WriteSnapshotFile(app, SlotSnapshotFile(n), {{SlotFileName(n), SlotFileBytes(f)}});
  if (!saved) return;
  v.Unsaved = 2;
  Save_Load_F(app).Date(n).setCaption(f.date);
  PlayExpectEndSound(app);
}

void Load_Click(App& app, int n) {
  Beep(app);
  if (!AskBeforeDiscarding(app, "現在のデータを消去し Data " + std::to_string(n) +
                                    " を読み込みます。よろしいですか?"))
    return;
  auto& v = app.vars;
  const std::string name = SlotFileName(n);
  const SnapshotFile snapshot = SlotSnapshotFile(n);
  if (IsMissing(DataPath(app, name)) && IsMissing(DataPath(app, snapshot.name()))) {
    MsgBox(app, "Data " + std::to_string(n) + " は保存されていません。", BoxIcon::Info);
    return;
  }

  // Both files are read whole and checked before anything changes.
  const auto f = ReadSlotFile(app, n);
  if (!f) {
    ShowReadFailure(app, name);
    return;
  }
  if (!LoadSnapshotFile(app, snapshot)) return;
  v.SlotNo = n;

  showSlotFile(app, n, *f);
  RestoreOrWindow(app);
  RestorePointWindow(app);
  RestoreAreaWindow(app, snapshot);
  RestartAreaVerdicts(app);
  // The undo snapshot belongs to the data that was replaced: nothing to take back.
  v.LastIndex = 100;
  PlayExpectEndSound(app);
  // From one hit on the rate and status follow the loaded tallies; below that the Total
  // window keeps the rate from the file and the status it showed.
  ShowTotalStatus(app);
  ShowStats(app);
}

void Save_Load_Command1_Click(App& app, int) {
  app.forms.saveLoad.unload(app);
}

void Save_Load_F_Unload(App& app) {
  RestoreStatusWindows(app);
}
