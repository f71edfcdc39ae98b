#include "store/save_slots.h"

#include "core/app.h"
#include "core/hit_levels.h"
#include "core/message.h"
#include "core/status_windows.h"
#include "log/log_page.h"
#include "predict/total_window.h"
#include "store/data_file.h"
#include "store/snapshot_cycle.h"
#include "store/snapshot_files.h"
#include "windows/sounds.h"

namespace {

// What SaveN.FIL holds: the main window's figures, the Total window's tallies and the
// spin log.
struct SlotFile {
  std::string date, comment, total, round, red, black;
  IndexedArray<std::string, 0, 37> hitCount;
  IndexedArray<std::string, 0, 37> rate;
  IndexedArray<std::string, 0, 24> logText;
  IndexedArray<int, 0, 24> logColour;
  std::string expectHit, expectOut, winRate;
  IndexedArray<int, 1, 5000> spinLog;
};

// The layout of SaveN.FIL (5128 lines). Date and comment come first so that the slot
// list needs only the first line.
template <class Io>
void walkSlot(Io& io, SlotFile& f) {
  for (std::string* s : {&f.date, &f.comment, &f.total, &f.round, &f.red, &f.black}) io.text(*s);
  io.endLine();
  for (auto* column : {&f.hitCount, &f.rate}) {
    for (std::string& s : *column) {
      io.text(s);
      io.endLine();
    }
  }
  for (std::string& s : f.logText) {
    io.text(s);
    io.endLine();
  }
  for (int& c : f.logColour) {
    io.integer(c, 0, 4);
    io.endLine();
  }
  for (std::string* s : {&f.expectHit, &f.expectOut, &f.winRate}) io.text(*s);
  io.endLine();
  for (int& k : f.spinLog) {
    io.integer(k, 0, 38);
    io.endLine();
  }
}

std::string slotFileName(int n) {
  return "Data/Files/Save" + std::to_string(n) + ".FIL";
}

// The first two values of the slot's first line: its date and comment; empty for a slot
// never saved or unreadable.
std::pair<std::string, std::string> slotListing(const App& app, int n) {
  const auto bytes = ReadDataFile(app, slotFileName(n));
  if (!bytes) return {};
  LayoutReader in(*bytes);
  std::string date, comment;
  in.text(date);
  in.text(comment);
  if (!in.ok()) return {};
  return {date, comment};
}

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
  PaintHitLevels(m, SpinThresholds, v.PocketCount);
}

}  // namespace

void Save_Load_F_Load(App& app) {
  SaveLoadForm& w = Save_Load_F(app);
  for (int n = 1; n <= 5; ++n) {
    auto [date, comment] = slotListing(app, n);
    w.Date(n).setCaption(date);
    w.Comment(n).setText(comment);
  }
}

void Save_Click(App& app, int n) {
  Beep(app);
  if (!AskBeforeDiscarding(app, "Data " + std::to_string(n) + " は上書きされます。よろしいですか?"))
    return;
  auto& v = app.vars;
  SlotFile f = takeSlotFile(app, n);
  LayoutWriter out;
  walkSlot(out, f);

  // Both files of the slot are replaced together, or neither is.
  v.SlotNo = n;
  v.SlotMode = 1;
  SnapOrWindow(app);
  SnapPointWindow(app);
  SnapAreaWindow(app);
  const bool saved = WriteSnapshotFile(app, {{slotFileName(n), std::move(out.bytes)}});
  v.SlotMode = 0;
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
  const std::string name = slotFileName(n);
  if (IsMissing(DataPath(app, name)) && IsMissing(DataPath(app, SlotSnapshotFileName(n)))) {
    MsgBox(app, "Data " + std::to_string(n) + " は保存されていません。", BoxIcon::Info);
    return;
  }

  // Both files are read whole and checked before anything changes.
  SlotFile f;
  if (!ReadLayoutFile(app, name, [&f](LayoutReader& in) { walkSlot(in, f); })) {
    ShowReadFailure(app, name);
    return;
  }
  const int previousSlotNo = v.SlotNo;
  v.SlotNo = n;
  v.SlotMode = 1;
  if (!ReadSnapshotFile(app)) {
    v.SlotMode = 0;
    v.SlotNo = previousSlotNo;
    return;
  }

  showSlotFile(app, n, f);
  RestoreOrWindow(app);
  RestorePointWindow(app);
  RestoreAreaWindow(app);
  v.SlotMode = 0;
  // The undo snapshot belongs to the data that was replaced: nothing to take back.
  v.LastIndex = 100;
  PlayExpectEndSound(app);
  // From one hit on the rate and status follow the loaded tallies; below that the Total
  // window keeps the rate from the file and the status it showed.
  ShowTotalStatus(app);
}

void Save_Load_Command1_Click(App& app, int) {
  app.forms.saveLoad.unload(app);
}

void Save_Load_F_Unload(App& app) {
  RestoreStatusWindows(app);
}
