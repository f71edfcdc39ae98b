#include "game/save_load_window.h"

#include "game/book_record.h"
#include "game/snapshot_cycle.h"
#include "game/whole_game.h"
#include "store/data_file.h"
#include "store/settings.h"
#include "store/slot_files.h"
#include "windows/app.h"
#include "windows/message.h"
#include "windows/sounds.h"
#include "windows/status_windows.h"

void Save_Load_F_Load(App& app) {
  SaveLoadForm& w = Save_Load_F(app);
  for (int n = 1; n <= 5; ++n) {
    auto [date, comment] = SlotListing(app, n).value;
    w.Date(n).setCaption(date);
    w.Comment(n).setText(comment);
  }
}

void Save_Click(App& app, int n) {
  Beep(app);
  if (!AskBeforeDiscarding(app, "Data " + std::to_string(n) + " は上書きされます。よろしいですか?"))
    return;
  auto& v = app.vars;
  SlotFile f = TakeGame(app);
  f.date = app.services.clock->generalDate();
  f.comment = Save_Load_F(app).Comment(n).text();

  // Both files of the slot are replaced together, or neither is.
  v.SlotNo = n;
  SnapOrWindow(app);
  SnapPointWindow(app);
  SnapAreaWindow(app);
  if (!ReportWrite(app, WriteSlot(app, n, f, v.ExpectDone, SnapshotBuffersOf(app), v.AreaMember)))
    return;
  // USER2.FIL holds the areas just written to the slot.
  ReportWrite(app, SaveWindowSettings(app));
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
  const auto game = ReadSlotFile(app, name);
  if (!ReportRead(app, game.result) || !LoadSnapshotFile(app, snapshot)) return;
  const SlotFile& f = game.value;
  v.SlotNo = n;
  SaveLoadForm& w = Save_Load_F(app);
  w.Date(n).setCaption(f.date);
  w.Comment(n).setText(f.comment);
  PutGameInPlace(app, f, snapshot);
  NewGameInBook(app);
  PlayExpectEndSound(app);
}

void Save_Load_Command1_Click(App& app, int) {
  app.forms.saveLoad.unload(app);
}

void Save_Load_F_Unload(App& app) {
  RestoreStatusWindows(app);
}
