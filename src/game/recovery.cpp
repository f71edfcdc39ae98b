#include "game/recovery.h"

#include "core/number_index.h"
#include "core/numeric.h"
#include "game/book_record.h"
#include "game/snapshot_cycle.h"
#include "game/whole_game.h"
#include "predict/total_window.h"
#include "store/data_file.h"
#include "store/slot_files.h"
#include "store/snapshot_files.h"
#include "windows/app.h"
#include "windows/message.h"

namespace {

bool wholeGameLoaded(const App& app) {
  const Forms& f = app.forms;
  return f.main.loaded() && f.blackOrRed.loaded() && f.point.loaded() && f.area.loaded() &&
         f.total.loaded();
}

RecoveryFiles composeGame(App& app) {
  auto& v = app.vars;
  return {SlotFileBytes(TakeGame(app)),
          SnapshotFileBytes(v.ExpectDone, StatusWindowTexts(app), &v.AreaMember)};
}

// The game file goes first: a snapshot file left without it is what a removal cut short
// leaves, and the next start removes it.
void removePair(App& app) {
  const auto game = DataPath(app, RecoveryGameFile);
  if (!IsMissing(game) && app.disk->remove(game)) app.disk->syncFolder(game.parent_path());
  app.disk->remove(DataPath(app, RecoverySnapshotFile.name()));
  app.recovery.get() = {};
}

// A damaged pair is kept for whoever wants to look at it, under names no start reads:
// "RESUME.FIL.damaged", then "RESUME.FIL.damaged2" and on.
void setAside(App& app) {
  const std::string names[] = {RecoveryGameFile, RecoverySnapshotFile.name()};
  for (int n = 1;; ++n) {
    const std::string suffix = ".damaged" + (n == 1 ? std::string() : std::to_string(n));
    bool free = true;
    for (const std::string& name : names) free = free && IsMissing(DataPath(app, name + suffix));
    if (!free) continue;
    for (const std::string& name : names)
      if (!IsMissing(DataPath(app, name)))
        app.disk->rename(DataPath(app, name), DataPath(app, name + suffix));
    return;
  }
}

// The colour and the area of the last spin steer the next prediction; the newest cell of
// the strip holds that spin.
void recallLastSpin(App& app) {
  auto& v = app.vars;
  v.LastColour = v.LogColour(0);
  const int i = IndexOfNumberText(v.LogText(0));
  if (i < 0) return;
  for (int k = 1; k <= 6; ++k)
    if (v.AreaMember(k)(i) == 1) v.LastArea = k;
}

}  // namespace

void KeepRecoveryFiles(App& app) {
  if (app.ended || !app.forms.main.loaded()) return;
  // Clear unloads the status windows: no spin left is checked before they are.
  if (Val(Main_F(app).Total.text()) <= 0) return DiscardRecoveryFiles(app);
  if (!wholeGameLoaded(app)) return;
  RecoveryFiles game = composeGame(app);
  if (game == app.recovery.get()) return;
  // Kept even when the write fails: the failure is reported once, and the next change of
  // the game tries again.
  app.recovery.get() = game;
  ReportWrite(app, SaveDataFiles(app,
                                 {{RecoveryGameFile, std::move(game.game)},
                                  {RecoverySnapshotFile.name(), std::move(game.snapshot)}},
                                 true));
}

void DiscardRecoveryFiles(App& app) {
  if (!app.recovery.get().empty()) removePair(app);
}

void OfferRecoveredGame(App& app) {
  if (IsMissing(DataPath(app, RecoveryGameFile))) {
    app.disk->remove(DataPath(app, RecoverySnapshotFile.name()));
    return SettleWheelBook(app, 0);
  }
  // Both files are read whole and checked before anything is asked or changes.
  const auto game = ReadSlotFile(app, RecoveryGameFile);
  if (!ReportRead(app, game.result) ||
      !ReportRead(app, ReadSnapshotFile(app, RecoverySnapshotFile).result))
    return setAside(app), NewGameInBook(app);
  SettleWheelBook(app, CInt(Val(game.value.total)));
  if (!AskYesNo(app, JoinLines({"前回のゲーム (" + game.value.total + " 回) が残っています。",
                                "復元しますか?"})))
    return removePair(app), NewGameInBook(app);

  // The folder is ours alone, so the file reads as it did a moment ago.
  LoadSnapshotFile(app, RecoverySnapshotFile);
  PutGameInPlace(app, game.value, RecoverySnapshotFile);
  // The status shown was the one the last verdict left, which follows the tallies even
  // before the first hit.
  ShowTotalStatus(app, TotalStatusAfter::Verdict);
  recallLastSpin(app);
  // Whether these spins are kept in a slot is not known: leaving asks first.
  app.vars.Unsaved = 1;
  app.recovery.get() = composeGame(app);
  NewGameInBook(app);
}
