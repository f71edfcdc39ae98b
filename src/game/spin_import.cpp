#include "game/spin_import.h"

#include "core/numeric.h"
#include "game/reset.h"
#include "game/snapshot_cycle.h"
#include "game/spin_entry.h"
#include "stats/statistics_window.h"
#include "store/settings.h"
#include "store/spin_file.h"
#include "windows/app.h"
#include "windows/message.h"

namespace {

// The text of the box that refuses a file; one that could not be read at all gets the
// program's usual box for that (ReportRead).
std::string faultText(const SpinFileFault& f, const std::string& path) {
  const std::string at = std::to_string(f.line) + " 行目の「" + f.token + "」";
  switch (f.kind) {
    case SpinFileFault::Unreadable:
      break;
    case SpinFileFault::TooLarge:
      return JoinLines({"ファイルが大きすぎます。", path});
    case SpinFileFault::NotText:
      return JoinLines({"テキストファイルではありません。", path});
    case SpinFileFault::NoSpins:
      return JoinLines({"記録するスピンがありません。", path});
    case SpinFileFault::NotANumber:
      return JoinLines({at + "は番号として読めません。", path});
    case SpinFileFault::WrongColour:
      return JoinLines({at + "は番号の色と合いません。", path});
    case SpinFileFault::DoubleZeroOff:
      return JoinLines({at + "は記録できません。", "Settingの\"00\"がオフになっています。", path});
  }
  return path;
}

}  // namespace

void Import_Spins_Click(App& app, int) {
  if (RefuseWhileAreaEditing(app)) return;
  const auto path = app.services.files->chooseFile(FileDialogKind::Open, "スピンのインポート", {});
  if (!path) return;
  // A spin entry reads both settings files first; nothing can change them while the
  // import runs, so once is enough.
  LoadUserSettings(app);
  LoadWindowSettings(app);
  const SpinFileReading file = ReadSpinFile(*path, app.vars.PocketCount);
  if (file.fault) {
    if (file.fault->kind == SpinFileFault::Unreadable)
      ReportRead(app, {FileResult::Failed, *path});
    else
      MsgBox(app, faultText(*file.fault, *path), BoxIcon::Stop);
    return;
  }

  if (CInt(Val(Main_F(app).Total.text())) >= 1) {
    const BoxAnswer a = AskYesNoCancel(
        app, JoinLines({"このゲームには既にスピンが記録されています。",
                        "はい: 読み込んだスピンをこのゲームに加えます。",
                        "いいえ: 新しいゲームを始めて、読み込んだスピンを記録します。",
                        "キャンセル: 何もしません。"}));
    if (a == BoxAnswer::Cancel) return;
    if (a == BoxAnswer::No) ClearGame(app);
  }

  auto& v = app.vars;
  const long total = static_cast<long>(file.spins.size());
  Progress& progress = *app.services.progress;
  progress.begin("スピンを記録しています…", total);
  std::vector<std::string> notices;
  int expectDoneBefore = v.ExpectDone;
  long recorded = 0;
  for (int i : file.spins) {
    // Each notice comes once, in the closing box, instead of stopping the import.
    const std::string notice = SpinCountNotice(CInt(Val(Main_F(app).Total.text())));
    if (!notice.empty()) notices.push_back(notice);
    expectDoneBefore = v.ExpectDone;
    RecordSpin(app, i, SpinSource::File);
    // A stop between two spins leaves the game as if only those before had been clicked.
    if (!progress.advance(++recorded)) break;
  }
  progress.end();
  ShowStatistics(app);
  // The undo takes back the last spin recorded, as after a click.
  KeepUndoSnapshot(app, expectDoneBefore);

  const std::string count = std::to_string(recorded);
  std::string text =
      recorded == total
          ? "スピンを " + count + " 回記録しました。"
          : JoinLines({"インポートを中止しました。",
                       std::to_string(total) + " 回のうち " + count + " 回を記録しました。"});
  for (const std::string& notice : notices) text = JoinLines({text, notice});
  MsgBox(app, text, BoxIcon::Info);
}
