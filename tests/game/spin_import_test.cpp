#include <gtest/gtest.h>

#include "../support/area_sets.h"
#include "../support/test_program.h"
#include "core/number_index.h"
#include "store/spin_file.h"

namespace {

// Sound on and the prediction question on, so that a spin recorded like a click would show
// both; every status window open, and each number in one of the six areas.
std::pair<std::string, std::string> LoudUser(int pockets = 38) {
  return {"Data/Files/USER.FIL", std::to_string(pockets) + ",1,0\r\n"};
}
std::pair<std::string, std::string> AllWindows(int expectCheck) {
  AreaOf areas;
  for (int i = 0; i < 38; ++i) areas[static_cast<std::size_t>(i)] = i % 6 + 1;
  return {"Data/Files/USER2.FIL",
          User2File(areas, "1,1,1,1," + std::to_string(expectCheck) + ",1,1,10")};
}

// Every property of every window and every game variable a spin touches.
std::string everything(TestProgram& p) {
  return GameDump(p, nullptr,
                  {"ExpectDone", "CurrentIndex", "LastIndex", "LastArea", "LastColour",
                   "ColourClass", "Unsaved", "LogPage"},
                  true);
}

// A file of spins in the program's temporary folder.
std::string spinFile(TestProgram& p, const std::string& name, const std::string& content) {
  p.writeFile(name, content);
  return (p.folder() / name).string();
}

// `what`: the file's path, or script lines that end in it.
std::string importOf(TestProgram& p, const std::string& what) {
  const bool lines = what.find('\n') != std::string::npos;
  return p.run((lines ? what : "file " + what) + "\nclick Main_F.Import_Spins");
}

std::string numbersText(const std::vector<int>& spins) {
  std::string s;
  for (int i : spins) s += NumberText(i) + " ";
  return s;
}

// A spread of spins that touches every pocket, 0 and 00 included.
std::vector<int> someSpins(int count) {
  std::vector<int> spins;
  for (int k = 0; k < count; ++k) spins.push_back((k * 11 + k / 38) % 38);
  return spins;
}

const std::string OpenLine = "filedialog open \"スピンのインポート\"\n";
const std::string AddQuestion =
    "msgbox question yesnocancel \"00 Varnet\" \"このゲームには既にスピンが記録されています。"
    "\\n\\rはい: 読み込んだスピンをこのゲームに加えます。\\n\\rいいえ: 新しいゲームを始めて、"
    "読み込んだスピンを記録します。\\n\\rキャンセル: 何もしません。\"\n";

// Stops the import once `stopAt` spins are recorded, as a click on the box's Cancel would.
struct CancelAt : Progress {
  explicit CancelAt(long stopAt) : stopAt(stopAt) {}
  void begin(const std::string&, long t) override { total = t; }
  bool advance(long done) override { return done < stopAt; }
  void end() override { ended = true; }
  long stopAt, total = 0;
  bool ended = false;
};

}  // namespace

TEST(SpinImport, RecordsEverySpinAsAClickWouldWithOneUndoSnapshotAndOneBox) {
  TestProgram imported{LoudUser(), AllWindows(1)}, clicked{LoudUser(), AllWindows(1)};
  // The same game so far, with a prediction standing that the first spin of the file judges.
  for (TestProgram* p : {&imported, &clicked}) {
    p->run("click Main_F.Log_B");  // the log window follows every spin
    for (int i : someSpins(40))
      p->run("answer yes\nclick Main_F.Count_P(" + std::to_string(i) + ")");
    p->run("random 0.11 0.52 0.73 0.34 0.95 0.26 0.67 0.18 0.49 0.8 0.21 0.62 0.43 0.04 0.85");
    p->run("click Main_F.Expect");
    ASSERT_EQ(p->app().vars.ExpectDone, 1);
  }
  const std::vector<int> spins = someSpins(520);
  const std::string path = spinFile(imported, "spins.txt", numbersText(spins));
  const std::string undoBefore = imported.readFile("Data/Files/REAL_SAVE.FIL");

  const std::string shown = importOf(imported, "answer yes\nfile " + path);
  // Asked whether to add to this game; then no sound, no question, no notice box on the
  // way: one closing box, with the notice of spin 500 in it.
  EXPECT_EQ(shown,
            OpenLine + "file " + path + "\n" + AddQuestion +
                "answer yes\nmsgbox info ok \"00 Varnet\" \"スピンを 520 回記録しました。\\n\\r"
                "500回を超えるとArea予想のデータにバラつきがでます。\\n\\r"
                "Area予想をご利用の場合はデータのリセットをお勧めします。\"\n");
  for (int i : spins) clicked.run("answer yes\nclick Main_F.Count_P(" + std::to_string(i) + ")");
  EXPECT_NE(imported.readFile("Data/Files/REAL_SAVE.FIL"), undoBefore);
  EXPECT_EQ(imported.readFile("Data/Files/REAL_SAVE.FIL"),
            clicked.readFile("Data/Files/REAL_SAVE.FIL"));
  EXPECT_EQ(LineChanges(everything(imported), everything(clicked)), "");
  EXPECT_EQ(imported.app().vars.Unsaved, 1);

  // The undo takes back the last spin, and only that one.
  const std::string undo = "click Main_F.Count_M(" + std::to_string(spins.back()) + ")";
  imported.run(undo);
  clicked.run(undo);
  EXPECT_EQ(imported.main().Total.text(), "559");
  EXPECT_EQ(LineChanges(everything(imported), everything(clicked)), "");

  // A file of one spin that judges a prediction: its undo brings the prediction back.
  for (TestProgram* p : {&imported, &clicked}) {
    p->run("random 0.31 0.72 0.13 0.54 0.95 0.36 0.77 0.18 0.59 0.2 0.41 0.82 0.23 0.64 0.05");
    p->run("click Main_F.Expect");
    ASSERT_EQ(p->app().vars.ExpectDone, 1);
  }
  importOf(imported, "answer yes\nfile " + spinFile(imported, "one.txt", "9"));
  clicked.run("click Main_F.Count_P(8)");
  EXPECT_EQ(imported.app().vars.ExpectDone, 0);
  EXPECT_EQ(imported.readFile("Data/Files/REAL_SAVE.FIL"),
            clicked.readFile("Data/Files/REAL_SAVE.FIL"));
  EXPECT_EQ(LineChanges(everything(imported), everything(clicked)), "");
  imported.run("click Main_F.Count_M(8)");
  clicked.run("click Main_F.Count_M(8)");
  EXPECT_EQ(imported.app().vars.ExpectDone, 1);
  EXPECT_EQ(LineChanges(everything(imported), everything(clicked)), "");
}

TEST(SpinImport, ExportNamesTheFileForTheDayAndLeavesAFolderInItsPlace) {
  TestProgram p{LoudUser(), AllWindows(0)};
  // Nothing to export yet.
  EXPECT_EQ(p.run("click Main_F.Export_Spins"),
            "msgbox info ok \"00 Varnet\" \"エクスポートするスピンがありません。\"\n");
  p.spin(16);
  EXPECT_EQ(p.run("click Main_F.Export_Spins"),
            "filedialog save \"スピンのエクスポート\"\nerror: no file queued\nfile cancel\n");
  // The name the save dialog offers carries the day of the clock.
  struct Offered : FileDialogs {
    std::optional<std::string> chooseFile(FileDialogKind, const std::string&,
                                          const std::string& suggested) override {
      names.push_back(suggested);
      return std::nullopt;
    }
    std::vector<std::string> names;
  } offered;
  FileDialogs* scripted = p.app().services.files;
  p.app().services.files = &offered;
  for (const char* now : {"now 2026/03/09 21:30:00", "now 9.3.2026"})
    p.run(std::string(now) + "\nclick Main_F.Export_Spins");
  EXPECT_EQ(offered.names,
            (std::vector<std::string>{"varnet-spins-2026-03-09.csv", "varnet-spins.csv"}));
  p.app().services.files = scripted;

  // A folder in the file's place stays as it is.
  const std::string folder = (p.folder() / "Data").string();
  EXPECT_NE(p.run("file " + folder + "\nclick Main_F.Export_Spins").find("ファイルに保存"),
            std::string::npos);
  EXPECT_TRUE(p.exists("Data/Files/USER.FIL"));
}

TEST(SpinImport, AFaultyFileIsRefusedWithItsReasonAndNothingIsRecorded) {
  TestProgram p{LoudUser(), AllWindows(0)}, off{LoudUser(37), AllWindows(0)};
  p.spin(4);
  off.spin(4);
  p.run("answer yes\nclick Save_Load_F.Save(1)");
  const std::string before = everything(p), undo = p.readFile("Data/Files/REAL_SAVE.FIL");
  auto refusal = [](const std::string& text) {
    return "msgbox stop ok \"00 Varnet\" \"" + text + "\"\n";
  };
  const struct {
    const char* name;
    std::string content, box;
  } files[] = {
      {"bad.txt", "17 5\n3, 1\n36 38 00\n", "3 行目の「38」は番号として読めません。"},
      {"empty.txt", "", "記録するスピンがありません。"},
      {"picture.png", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
       "テキストファイルではありません。"},
  };
  for (const auto& f : files) {
    const std::string path = spinFile(p, f.name, f.content);
    EXPECT_EQ(importOf(p, path),
              OpenLine + "file " + path + "\n" + refusal(f.box + "\\n\\r" + path))
        << f.name;
  }
  for (const auto& unreadable : {p.folder().string(), (p.folder() / "missing.txt").string()}) {
    EXPECT_EQ(importOf(p, unreadable),
              OpenLine + "file " + unreadable + "\n" +
                  refusal("ファイルを読み込めませんでした。\\n\\r" + unreadable));
  }
  EXPECT_EQ(LineChanges(everything(p), before), "");
  EXPECT_EQ(p.readFile("Data/Files/REAL_SAVE.FIL"), undo);

  // With the 00 pocket off, "00" is no spin; "0" still is.
  const std::string zeros = spinFile(off, "zeros.txt", "0\r\n5\r\n00\r\n");
  EXPECT_EQ(importOf(off, zeros),
            OpenLine + "file " + zeros + "\n" +
                refusal("3 行目の「00」は記録できません。\\n\\rSettingの\\\"00\\\"がオフになって"
                        "います。\\n\\r" +
                        zeros));
  EXPECT_EQ(off.main().Total.text(), "1");
}

TEST(SpinImport, MoreThanTheLogHoldsRecordsEverySpinAndLogsTheFirst5000) {
  TestProgram p{LoudUser(), AllWindows(0)};
  const std::vector<int> spins = someSpins(5200);
  const std::string shown = importOf(p, spinFile(p, "long.txt", numbersText(spins)));
  EXPECT_NE(shown.find("スピンを 5200 回記録しました。\\n\\r500回を超えると"), std::string::npos);
  EXPECT_NE(shown.find("\\n\\rログ画面の記録は5000回までです。"), std::string::npos);
  EXPECT_EQ(p.main().Total.text(), "5200");
  EXPECT_EQ(p.app().vars.SpinLog(5000), spins[4999] + 1);

  const std::string path = (p.folder() / "back.csv").string();
  p.run("file " + path + "\nclick Main_F.Export_Spins");
  const std::string csv = p.readFile("back.csv");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 5001);
  const std::vector<int> logged(spins.begin(), spins.begin() + 5000);
  EXPECT_EQ(ParseSpinFile(csv, 38).spins, logged);
}

TEST(SpinImport, ACancelKeepsTheSpinsRecordedSoFarAsIfClicked) {
  TestProgram imported{LoudUser(), AllWindows(0)}, clicked{LoudUser(), AllWindows(0)};
  const std::vector<int> spins = someSpins(900);
  CancelAt cancel(300);
  imported.app().services.progress = &cancel;
  const std::string shown = importOf(imported, spinFile(imported, "s.txt", numbersText(spins)));
  EXPECT_TRUE(cancel.ended);
  EXPECT_EQ(cancel.total, 900);
  EXPECT_NE(shown.find("インポートを中止しました。\\n\\r900 回のうち 300 回を記録しました。"),
            std::string::npos);
  for (int k = 0; k < 300; ++k) clicked.spin(spins[k]);
  EXPECT_EQ(imported.readFile("Data/Files/REAL_SAVE.FIL"),
            clicked.readFile("Data/Files/REAL_SAVE.FIL"));
  EXPECT_EQ(LineChanges(everything(imported), everything(clicked)), "");
}

TEST(SpinImport, AGameWithSpinsAsksToAddStartAnewOrDoNothing) {
  TestProgram p{LoudUser(), AllWindows(0)}, fresh{LoudUser(), AllWindows(0)};
  for (int i : {4, 9, 4}) p.spin(i);
  const std::string path = spinFile(p, "s.txt", "17 5");
  const std::string before = everything(p);
  // Cancel, and no answer at all (a Yes/No/Cancel box is then answered Cancel), change
  // nothing.
  EXPECT_EQ(importOf(p, "answer cancel\nfile " + path),
            OpenLine + "file " + path + "\n" + AddQuestion + "answer cancel\n");
  EXPECT_EQ(importOf(p, path), OpenLine + "file " + path + "\n" + AddQuestion + "answer cancel\n");
  EXPECT_EQ(LineChanges(everything(p), before), "");
  // A faulty file is refused before anything is asked.
  EXPECT_EQ(importOf(p, spinFile(p, "bad.txt", "99")).find("question"), std::string::npos);

  // No: a new game holding only the file's spins, as Clear and then the import would make.
  importOf(p, "answer no\nfile " + path);
  fresh.run("answer yes\nclick Main_F.Clear");
  importOf(fresh, path);
  EXPECT_EQ(p.main().Total.text(), "2");
  EXPECT_EQ(LineChanges(everything(p), everything(fresh)), "");
  // Yes adds them.
  importOf(p, "answer yes\nfile " + path);
  EXPECT_EQ(p.main().Total.text(), "4");
  EXPECT_EQ(p.app().vars.SpinLog(3), 17);  // index 16, stored one up
}
