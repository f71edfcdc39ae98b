#include "game/recovery.h"

#include <sys/stat.h>

#include <cerrno>

#include "core/number_index.h"
#include "core/numeric.h"
#include "game/book_record.h"
#include "game/snapshot_cycle.h"
#include "game/whole_game.h"
#include "predict/total_window.h"
#include "store/data_file.h"
#include "store/file_group.h"
#include "store/recovery_file.h"
#include "windows/app.h"
#include "windows/message.h"

namespace {

// How many damaged recovery files are kept side by side at most.
constexpr int MostKeptDamaged = 100;

bool wholeGameLoaded(const App& app) {
  const Forms& f = app.forms;
  return f.main.loaded() && f.blackOrRed.loaded() && f.point.loaded() && f.area.loaded() &&
         f.total.loaded();
}

ShownVerdict shownOf(const Label& label, const PictureBox& picture) {
  return {label.caption(), label.fore(), label.back(), picture.visible() ? 1 : 0};
}

void show(Label& label, PictureBox& picture, const ShownVerdict& v) {
  label.setCaption(v.caption);
  label.setFore(v.fore);
  label.setBack(v.back);
  picture.setVisible(v.picture == 1);
}

ResumeState takeResume(App& app) {
  const auto& v = app.vars;
  ResumeState s;
  s.lastIndex = v.LastIndex;
  s.lastArea = v.LastArea;
  s.lastColour = v.LastColour;
  s.unsaved = v.Unsaved;
  s.expectColour = v.ExpectColour;
  s.pointExpectVoid = v.PointExpectVoid;
  s.expectArea = v.ExpectArea;
  s.playing = Main_F(app).Play.enabled() ? 1 : 0;
  s.playInterval = Main_F(app).Play.interval();
  s.blinkArea = v.BlinkArea;
  s.blinkPoint = v.BlinkPoint;
  s.blinkPhase = v.BlinkPhase;

  PointForm& p = Point_F(app);
  BlackOrRedForm& o = Black_or_Red_F(app);
  AreaForm& a = Area_F(app);
  TotalForm& t = Total_F(app);
  s.holdCount = p.Ex_Limit.caption();
  s.orVerdict = shownOf(o.B_OR_R_L, o.Image1);
  s.pointVerdict = shownOf(p.Status_L, p.Image1);
  s.totalVerdict = shownOf(t.Status_L, t.Image1);
  for (int k = 1; k <= 7; ++k) s.areaVerdict(k) = shownOf(a.Status_L(k), a.Image1(k));
  s.blackLight = o.Black_Light.lit() ? 1 : 0;
  s.redLight = o.Red_Light.lit() ? 1 : 0;
  for (int k = 1; k <= 36; ++k) s.pointLight(k) = p.Expect_Light(k).lit() ? 1 : 0;
  for (int k = 1; k <= 6; ++k) {
    s.areaLight(k) = a.Expect_Light(k).lit() ? 1 : 0;
    s.areaHit(k) = a.Hit_Area_L(k).visible() ? 1 : 0;
    s.drawWeight(k) = a.Expect_Hit_P(k).text();
  }

  const TotalWindowTexts& before = app.totalBeforeSpin.get();
  s.totalHits = before.hits;
  s.totalOuts = before.outs;
  s.totalRate = before.rate;
  s.totalVerdictBefore = {before.status, before.statusFore, before.statusBack,
                          before.picture ? 1 : 0};
  // An undo that would refuse its file (see StatusSnapshot) is carried as no snapshot.
  const StatusSnapshot& undo = app.snapshot.get();
  if (v.LastIndex != 100 && !undo.realSaveStale) s.undoSnapshot = undo.undoBytes;
  return s;
}

// What a slot load does not put back: see ResumeState.
void putResumeInPlace(App& app, const RecoveryFile& f) {
  const ResumeState& s = f.resume;
  auto& v = app.vars;
  v.LastIndex = s.lastIndex;
  v.LastArea = s.lastArea;
  v.LastColour = s.lastColour;
  v.Unsaved = s.unsaved;
  v.ExpectColour = s.expectColour;
  v.PointExpectVoid = s.pointExpectVoid;
  v.ExpectArea = s.expectArea;
  Main_F(app).Play.setInterval(s.playInterval);
  Main_F(app).Play.setEnabled(s.playing == 1);
  v.BlinkArea = s.blinkArea;
  v.BlinkPoint = s.blinkPoint;
  v.BlinkPhase = s.blinkPhase;

  PointForm& p = Point_F(app);
  BlackOrRedForm& o = Black_or_Red_F(app);
  AreaForm& a = Area_F(app);
  TotalForm& t = Total_F(app);
  p.Ex_Limit.setCaption(s.holdCount);
  show(o.B_OR_R_L, o.Image1, s.orVerdict);
  show(p.Status_L, p.Image1, s.pointVerdict);
  show(t.Status_L, t.Image1, s.totalVerdict);
  // The rate as the game left it: the load works it out again from one hit on.
  t.Win_Rate.setText(f.game.winRate);
  for (int k = 1; k <= 7; ++k) show(a.Status_L(k), a.Image1(k), s.areaVerdict(k));
  o.Black_Light.setLit(s.blackLight == 1);
  o.Red_Light.setLit(s.redLight == 1);
  for (int k = 1; k <= 36; ++k) p.Expect_Light(k).setLit(s.pointLight(k) == 1);
  for (int k = 1; k <= 6; ++k) {
    a.Expect_Light(k).setLit(s.areaLight(k) == 1);
    a.Hit_Area_L(k).setVisible(s.areaHit(k) == 1);
    a.Expect_Hit_P(k).setText(s.drawWeight(k));
  }

  app.totalBeforeSpin.get() = {s.totalHits,
                               s.totalOuts,
                               s.totalRate,
                               s.totalVerdictBefore.caption,
                               s.totalVerdictBefore.fore,
                               s.totalVerdictBefore.back,
                               s.totalVerdictBefore.picture == 1};
  // The undo reads REAL_SAVE.FIL, which must hold what this game's undo would read.
  StatusSnapshot& undo = app.snapshot.get();
  undo.undoBytes = s.undoSnapshot;
  undo.realSaveStale = s.lastIndex != 100;
  if (!s.undoSnapshot.empty())
    undo.realSaveStale = !ReportWrite(app, WriteUndoSnapshot(app, s.undoSnapshot));
}

// The colour and the area of the last spin steer the next prediction; the newest cell of
// the strip holds that spin. (A recovery pair of an earlier version does not keep them.)
void recallLastSpin(App& app) {
  auto& v = app.vars;
  v.LastColour = v.LogColour(0);
  const int i = IndexOfNumberText(v.LogText(0));
  if (i < 0) return;
  for (int k = 1; k <= 6; ++k)
    if (v.AreaMember(k)(i) == 1) v.LastArea = k;
}

std::filesystem::path gamePath(const App& app) {
  return DataPath(app, RecoveryGameFile);
}

std::filesystem::path oldSnapshotPath(const App& app) {
  return DataPath(app, RecoverySnapshotFile.name());
}

// Nothing at all stands under the name; false also when the folder cannot be looked into.
bool isFree(const std::filesystem::path& name, bool& usable) {
  struct stat st;
  if (::lstat(name.c_str(), &st) == 0) return false;
  usable = errno == ENOENT;
  return usable;
}

// A damaged file is kept for whoever wants to look at it, under a name no start reads:
// "RESUME.FIL.damaged", then "RESUME.FIL.damaged2" and on (an earlier version's
// RESUME3.FIL beside it gets the same ending). Returns the name it was kept under, or
// nothing when it could not be moved.
std::string setAside(App& app) {
  for (int n = 1; n <= MostKeptDamaged; ++n) {
    const std::string suffix = ".damaged" + (n == 1 ? std::string() : std::to_string(n));
    const std::string kept = RecoveryGameFile + suffix;
    bool usable = true;
    if (!isFree(DataPath(app, kept), usable)) {
      if (!usable) return {};
      continue;
    }
    if (!app.disk->rename(gamePath(app), DataPath(app, kept))) return {};
    if (!IsMissing(oldSnapshotPath(app)))
      app.disk->rename(oldSnapshotPath(app), DataPath(app, RecoverySnapshotFile.name() + suffix));
    app.disk->remove(SyncedCopyOf(gamePath(app)));
    return kept;
  }
  return {};
}

void reportDamaged(App& app, const FileResult& read) {
  const std::string kept = setAside(app);
  MsgBox(
      app,
      JoinLines({"前回のゲームは復元できませんでした。", read.path + " を読み込めませんでした。",
                 kept.empty() ? "ファイルはそのまま残っています。" : kept + " として残しました。"}),
      BoxIcon::Stop);
}

// A recovery pair of an earlier version: RESUME.FIL in a slot's layout, RESUME3.FIL
// beside it in a slot snapshot's layout.
std::optional<RecoveryFile> readOldPair(App& app, const std::string& gameBytes) {
  if (IsMissing(oldSnapshotPath(app))) return std::nullopt;
  auto game = ParseSlotFile(gameBytes);
  auto snapshot = ReadSnapshotFile(app, RecoverySnapshotFile);
  if (!game || !snapshot.result.done()) return std::nullopt;
  return RecoveryFile{std::move(*game), std::move(snapshot.value), {}};
}

}  // namespace

std::string RecoveryBytes(App& app) {
  auto& v = app.vars;
  return RecoveryFileBytes(
      {TakeGame(app), {v.ExpectDone, StatusWindowTexts(app), v.AreaMember}, takeResume(app)});
}

void KeepRecoveryFiles(App& app) {
  if (app.ended || !app.forms.main.loaded()) return;
  if (const auto failed = app.disk->takeSyncFailure())
    ReportWrite(app, {FileResult::Failed, failed->first.lexically_relative(app.folder).string(),
                      failed->second});
  // Clear unloads the status windows: no spin left is checked before they are.
  if (Val(Main_F(app).Total.text()) <= 0) return DiscardRecoveryFiles(app);
  if (!wholeGameLoaded(app)) return;
  std::string bytes = RecoveryBytes(app);
  if (bytes == app.recovery.get().bytes) return;
  // Kept even when the write fails: the failure is reported once, and the next change of
  // the game tries again.
  app.recovery.get().bytes = bytes;
  ReportWrite(app, SaveDataFile(app, RecoveryGameFile, std::move(bytes), true));
}

void DiscardRecoveryFiles(App& app) {
  if (app.recovery.get().empty()) return;
  RemoveDurableFile(*app.disk, gamePath(app));
  app.recovery.get() = {};
}

void SettleFiles(App& app) {
  if (!app.disk->flush() || IsMissing(gamePath(app))) return;
  // The file itself is on the disk now.
  const auto copy = SyncedCopyOf(gamePath(app));
  if (!IsMissing(copy) && app.disk->remove(copy)) app.disk->syncFolder(copy.parent_path());
}

void OfferRecoveredGame(App& app) {
  if (IsMissing(gamePath(app))) {
    // A removal done: whatever stands beside it belonged to the game removed.
    app.disk->remove(SyncedCopyOf(gamePath(app)));
    app.disk->remove(oldSnapshotPath(app));
    return SettleWheelBook(app, 0);
  }
  // Read whole and checked before anything is asked or changes. After a power cut the
  // newest file may be damaged; its synced copy then holds the game a moment earlier.
  const FileRead<std::string> read = ReadDataFile(app, RecoveryGameFile);
  std::optional<RecoveryFile> file;
  bool fromOldPair = false;
  if (read.result.done()) {
    file = ParseRecoveryFile(read.value);
    if (!file && (file = readOldPair(app, read.value))) fromOldPair = true;
  }
  if (!file) {
    if (const auto copy = ReadWholeFile(SyncedCopyOf(gamePath(app))))
      file = ParseRecoveryFile(*copy);
  }
  if (!file)
    return reportDamaged(app, read.result.done()
                                  ? FileResult{FileResult::Malformed, RecoveryGameFile, {}}
                                  : read.result),
           NewGameInBook(app);
  SettleWheelBook(app, CInt(Val(file->game.total)));
  if (!AskYesNo(app, JoinLines({"前回のゲーム (" + file->game.total + " 回) が残っています。",
                                "復元しますか?"}))) {
    RemoveDurableFile(*app.disk, gamePath(app));
    app.disk->remove(oldSnapshotPath(app));
    return NewGameInBook(app);
  }

  PutSnapshotInPlace(app, std::move(file->snapshot), RecoverySnapshotFile);
  PutGameInPlace(app, file->game, RecoverySnapshotFile);
  if (fromOldPair) {
    // The status shown was the one the last verdict left, which follows the tallies
    // even before the first hit; whether these spins are kept in a slot is not known.
    ShowTotalStatus(app, TotalStatusAfter::Verdict);
    recallLastSpin(app);
    app.vars.Unsaved = 1;
  } else {
    putResumeInPlace(app, *file);
    app.recovery.get().bytes = read.value;
  }
  // The file takes the game as it now stands, in this version's layout when it came in
  // an earlier one's or from the synced copy.
  KeepRecoveryFiles(app);
  if (fromOldPair) app.disk->remove(oldSnapshotPath(app));
  NewGameInBook(app);
}
