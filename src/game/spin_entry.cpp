#include "game/spin_entry.h"

#include "area/area_stats.h"
#include "core/number_index.h"
#include "core/numeric.h"
#include "game/book_record.h"
#include "game/rows_and_strip.h"
#include "game/snapshot_cycle.h"
#include "log/log_page.h"
#include "log/log_store.h"
#include "predict/judge.h"
#include "predict/total_window.h"
#include "stats/statistics_window.h"
#include "store/settings.h"
#include "windows/app.h"
#include "windows/figures.h"
#include "windows/message.h"
#include "windows/sounds.h"

namespace {

// Shares of red and black results: one decimal and "%", kept while a count is 0.
void updateBlackOrRed(App& app, const MainForm& m) {
  BlackOrRedForm& b = Black_or_Red_F(app);
  b.Black_Hit.setText(m.Black.text());
  b.Red_Hit.setText(m.Red.text());
  const double total = Val(m.Total.text());
  for (auto [hit, rate] :
       {std::pair{&b.Black_Hit, &b.Black_Deme_Rate}, std::pair{&b.Red_Hit, &b.Red_Deme_Rate}}) {
    const double count = Val(hit->text());
    if (count >= 1) rate->setText(Str(Round(count / total * 100, 1)) + "%");
  }
}

// Hit counts of 1..36 and the spins since each number last came out.
void updatePoint(App& app, const MainForm& m, int i) {
  PointForm& p = Point_F(app);
  for (int j = 0; j <= 35; ++j) p.Hit_Count(j + 1).setText(m.Hit_Count(j).text());
  for (int n = 1; n <= 36; ++n) {
    if (n == i + 1) {
      p.Zenkai_H(n).setText("1");
    } else if (Val(p.Zenkai_H(n).text()) != 0) {
      AddTo(p.Zenkai_H(n), 1);
    }
  }
}

}  // namespace

void Count_P_Click(App& app, int i) {
  auto& v = app.vars;
  if (RefuseWhileAreaEditing(app)) return;
  LoadUserSettings(app);
  LoadWindowSettings(app);

  const double before = Val(Main_F(app).Total.text());
  if (before >= v.PocketCount && v.ExpectDone == 0 && v.ExpectCheckOn == 1) {
    if (!AskYesNo(app,
                  JoinLines({"予想されていません。よろしいですか?", "この問合せを表示しないときは",
                             "SettingのExpect Checkのチェックをはずしてください。"})))
      return;
  }
  if (const std::string notice = SpinCountNotice(CInt(before)); !notice.empty())
    MsgBox(app, notice, BoxIcon::Info);
  RecordSpin(app, i, SpinSource::Click);
}

std::string SpinCountNotice(long countBefore) {
  if (countBefore == 500)
    return JoinLines({"500回を超えるとArea予想のデータにバラつきがでます。",
                      "Area予想をご利用の場合はデータのリセットをお勧めします。"});
  if (countBefore == 5000)
    return JoinLines({"ログ画面の記録は5000回までです。", "これ以降のログは記録されません。"});
  return {};
}

void RecordSpin(App& app, int i, SpinSource source) {
  auto& v = app.vars;
  MainForm& m = Main_F(app);
  const bool click = source == SpinSource::Click;
  m.Expect.setBack(ButtonFace);
  SnapOrWindow(app);
  SnapPointWindow(app);
  SnapAreaWindow(app);
  if (click) KeepUndoSnapshot(app, v.ExpectDone);
  SnapTotalWindow(app);
  v.CurrentIndex = i;

  Label& limit = Point_F(app).Ex_Limit;
  const double left = Val(limit.caption());
  if (left > 0) limit.setCaption(Str(left - 1));

  v.Unsaved = 1;
  if (click) PlayCountSound(app);
  v.LastIndex = i;

  AddTo(m.Hit_Count(i), 1);
  AddTo(m.Total, 1);
  const double total = Val(m.Total.text());
  m.Round_T.setText(Str(Round(total / v.PocketCount, 1)));
  WriteRates(m, v.PocketCount);
  PaintHitLevels(m, SpinThresholds, v.PocketCount);

  // Recent-results strip, newest first.
  for (int j = 24; j >= 1; --j) {
    v.LogText(j) = v.LogText(j - 1);
    v.LogColour(j) = v.LogColour(j - 1);
  }
  v.LogText(0) = NumberText(i);
  m.Log(0).setCaption(v.LogText(0));
  const long count = CInt(total);
  for (int j = 1; j <= 24; ++j)
    if (count > j) m.Log(j).setCaption(v.LogText(j));
  ClassifyColour(v);
  PaintStripCell(m, 0, v.ColourClass);
  v.LogColour(0) = v.ColourClass;
  if (v.ColourClass == RedClass) AddTo(m.Red, 1);
  if (v.ColourClass == BlackClass) AddTo(m.Black, 1);
  for (int j = 1; j <= 24; ++j) PaintStripCell(m, j, v.LogColour(j));
  MarkLastSpin(m);

  updateBlackOrRed(app, m);
  updatePoint(app, m, i);
  UpdateAreaStats(app);
  v.LastColour = v.ColourClass;

  JudgeExpect(app);
  RecordInBook(app, i, source);

  if (AppendLogEntry(app, count, i)) ShowLogEntry(app, static_cast<int>(count));
  // An import shows the statistics once, after its last spin.
  if (click) ShowStatistics(app);
}
