#include <gtest/gtest.h>

#include <filesystem>

#include "../support/test_program.h"
#include "core/number_index.h"

namespace {

const std::string CrLf = "\r\n";

std::string q(const std::string& text) {
  return "\"" + text + "\"";
}

// "予想済み, 赤" in CP932; the second byte of 予 is a backslash.
const std::string Comment932 = "\x97\x5C\x91\x7A\x8D\xCF\x82\xDD, \x90\xD4";

// Index of the result in strip cell j of the slot below: 40 spins of 1, 2, .., 00, 1, 2.
int stripIndex(int j) {
  return (39 - j) % 38;
}

// Save1.FIL as it is stored, written line by line from its layout.
std::string storedSaveFile() {
  std::string f = q("2025/03/01 21:15:07") + "," + q(Comment932) + "," + q("40") + "," + q("3.5") +
                  "," + q("19") + "," + q("19") + CrLf;
  for (int i = 0; i < 38; ++i) f += q(i < 2 ? "2" : "1") + CrLf;
  for (int i = 0; i < 38; ++i) f += q(i < 2 ? "190%" : "95%") + CrLf;
  for (int j = 0; j < 25; ++j) f += q(NumberText(stripIndex(j))) + CrLf;
  for (int j = 0; j < 25; ++j) f += std::to_string(ColourClassOf(stripIndex(j))) + CrLf;
  f += q("1.05") + "," + q("0.95") + "," + q("51.3%") + CrLf;
  for (int k = 1; k <= 5000; ++k) f += std::to_string(k <= 40 ? (k - 1) % 38 + 1 : 0) + CrLf;
  return f;
}

// USER3_1.FIL: seven numbers an area (the last area eight), then the status windows.
std::string storedSnapshotFile() {
  std::string f;
  for (int i = 0; i < 38; ++i)
    for (int k = 1; k <= 6; ++k)
      f += std::string(std::min(i / 7 + 1, 6) == k ? "1" : "0") + (k < 6 ? "," : CrLf);
  f += "1" + CrLf;
  for (int e = 0; e < 15; ++e)
    f += q(e == 6 ? "1" : e == 0 ? "0" : "or" + std::to_string(e)) + CrLf;
  for (int e = 0; e < 36; ++e) {
    const std::string n = std::to_string(e);
    f += q("h" + n) + "," + q("z" + n) + "," + q("o" + n) + "," + q("t" + n) + "," +
         q(e == 4 ? "1" : "0") + CrLf;
  }
  f += q("7") + "," + q("3") + "," + q("70%") + CrLf;
  for (int k = 1; k <= 6; ++k)
    f += q("hit" + std::to_string(k)) + CrLf + q("lev" + std::to_string(k)) + CrLf +
         q(k == 3 ? "1" : "0") + CrLf;
  for (int k = 1; k <= 7; ++k) {
    const std::string n = std::to_string(k);
    f += q("eh" + n) + CrLf + q("eo" + n) + CrLf + q("w" + n) + CrLf;
  }
  return f;
}

std::string stopBox(const std::string& text, const std::string& file) {
  return "msgbox stop ok \"00 Varnet\" \"" + text + "\\n\\r" + file + "\"\n";
}

std::string loadAsked(int n) {
  return "beep\nmsgbox question yesno \"00 Varnet\" \"現在のデータを消去し Data " +
         std::to_string(n) + " を読み込みます。よろしいですか?\"\nanswer yes\n";
}

// Every property of every window and the variables a load or undo may change.
std::string state(TestProgram& p) {
  std::string out;
  for (const char* form : {"Main_F", "Black_or_Red_F", "Point_F", "Area_F", "Total_F"})
    out += p.run("dump " + std::string(form));
  for (const char* var : {"ExpectDone", "LastIndex", "Unsaved", "SlotNo", "LogText(0)",
                          "LogColour(0)", "SpinLog(1)", "AreaMember1(0)"})
    out += p.run("var " + std::string(var));
  return out;
}

}  // namespace

TEST(SnapshotFiles, AStoredSlotLoadsAndSavesBackByteForByte) {
  TestProgram p({{"Data/Files/Save1.FIL", storedSaveFile()},
                 {"Data/Files/USER3_1.FIL", storedSnapshotFile()}});
  p.run("click Main_F.Save_Load");
  SaveLoadForm& w = Save_Load_F(p.app());
  EXPECT_EQ(w.Date(1).caption(), "2025/03/01 21:15:07");
  EXPECT_EQ(w.Comment(1).text(), "予想済み, 赤");
  EXPECT_EQ(p.run("answer yes\nclick Save_Load_F.Load(1)"),
            loadAsked(1) + "sound Data/Sound/Expect_END.wav\n");

  MainForm& m = p.main();
  auto& v = p.app().vars;
  EXPECT_EQ(m.Total.text(), "40");
  EXPECT_EQ(m.Round_T.text(), "3.5");
  EXPECT_EQ(m.Hit_Count(1).text(), "2");
  EXPECT_EQ(m.Rate(37).text(), "95%");
  EXPECT_EQ(m.Log(2).caption(), "00");
  EXPECT_EQ(m.Log(2).back(), Colour::rgb(0x0000C0));
  EXPECT_EQ(m.Log(24).caption(), "16");
  EXPECT_EQ(v.LogColour(0), BlackClass);
  EXPECT_EQ(v.SpinLog(40), 2);
  EXPECT_EQ(v.SpinLog(41), 0);
  // Lag 3.5 - 1 = 2.5 lights five levels, 3.5 - 2 = 1.5 two.
  EXPECT_EQ(m.Hit_Level(5)(9).back(), Colour::rgb(0x00FFFF));
  EXPECT_EQ(m.Hit_Level(6)(9).back(), ButtonFace);
  EXPECT_EQ(m.Hit_Level(2)(0).back(), Colour::rgb(0xC0FFFF));
  EXPECT_EQ(m.Hit_Level(3)(0).back(), ButtonFace);
  EXPECT_EQ(Total_F(p.app()).Expect_Hit.text(), "1.05");
  EXPECT_EQ(Total_F(p.app()).Expect_Out.text(), "0.95");

  BlackOrRedForm& b = Black_or_Red_F(p.app());
  EXPECT_EQ(b.Black_Hit.text(), "or1");
  EXPECT_EQ(b.Win_Rate.text(), "or14");
  EXPECT_TRUE(b.Red_Light.lit());
  PointForm& pt = Point_F(p.app());
  EXPECT_EQ(pt.Hit_Count(1).text(), "h0");
  EXPECT_EQ(pt.Point_Total(36).text(), "t35");
  EXPECT_EQ(pt.Win_Rate.text(), "70%");
  EXPECT_TRUE(pt.Expect_Light(5).lit());
  EXPECT_FALSE(pt.Expect_Light(4).lit());
  AreaForm& a = Area_F(p.app());
  EXPECT_EQ(a.Hit_Rate(6).text(), "lev6");
  EXPECT_EQ(a.Win_Rate(7).text(), "w7");
  EXPECT_TRUE(a.Expect_Light(3).lit());
  EXPECT_EQ(v.ExpectDone, 1);
  EXPECT_EQ(m.Expect.back(), Colour::rgb(0x80FFFF));
  EXPECT_EQ(v.AreaMember(6)(37), 1);
  EXPECT_EQ(v.AreaMember(1)(7), 0);
  EXPECT_EQ(v.AreaMember(2)(7), 1);

  // Saved back at the same moment, both files come out byte for byte as they went in.
  p.run("now 2025/03/01 21:15:07\nanswer yes\nclick Save_Load_F.Save(1)");
  EXPECT_EQ(p.readFile("Data/Files/Save1.FIL"), storedSaveFile());
  EXPECT_EQ(p.readFile("Data/Files/USER3_1.FIL"), storedSnapshotFile());
}

TEST(SnapshotFiles, BadSlotFilesAreReportedAndChangeNothing) {
  struct Case {
    const char* what;
    const char* file;
    std::string (*spoil)(std::string);
  };
  const Case cases[] = {
      {"truncated", "Data/Files/Save2.FIL", [](std::string s) { return s.substr(0, 3000); }},
      {"a letter for an integer", "Data/Files/USER3_2.FIL",
       [](std::string s) { return s.replace(4, 1, "x"); }},
      {"a log value of 39", "Data/Files/Save2.FIL",
       [](std::string s) { return s.replace(s.size() - 3, 1, "39"); }},
      {"missing", "Data/Files/Save2.FIL", [](std::string) { return std::string(); }},
      {"one line short", "Data/Files/USER3_2.FIL",
       [](std::string s) { return s.substr(0, s.rfind("\"", s.size() - 4) - 1); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestProgram p;
    p.spin(6);
    p.run("click Main_F.Save_Load");
    p.run("answer yes\nclick Save_Load_F.Save(2)");
    p.spin(20);
    if (std::string(c.what) == "missing")
      std::filesystem::remove(p.folder() / c.file);
    else
      p.writeFile(c.file, c.spoil(p.readFile(c.file)));
    const std::string before = state(p);
    const std::string user2 = p.readFile("Data/Files/USER2.FIL");
    EXPECT_EQ(p.run("answer yes\nclick Save_Load_F.Load(2)"),
              loadAsked(2) + stopBox("ファイルを読み込めませんでした。", c.file));
    EXPECT_EQ(state(p), before);
    EXPECT_EQ(p.readFile("Data/Files/USER2.FIL"), user2);
  }
}

TEST(SnapshotFiles, UndoWithoutItsSnapshotIsReportedAndChangesNothing) {
  TestProgram p;
  p.spin(6);
  p.spin(7);
  std::filesystem::remove(p.folder() / "Data/Files/REAL_SAVE.FIL");
  const std::string before = state(p);
  EXPECT_EQ(p.run("click Main_F.Count_M(7)"),
            stopBox("ファイルを読み込めませんでした。", "Data/Files/REAL_SAVE.FIL"));
  EXPECT_EQ(state(p), before);
}

TEST(SnapshotFiles, FailedSlotSaveKeepsTheOldSlotWhole) {
  // A folder where a temporary file must go fails the write, also for root.
  for (const char* blocked : {"Data/Files/Save2.FIL", "Data/Files/USER3_2.FIL"}) {
    SCOPED_TRACE(blocked);
    TestProgram p;
    p.spin(6);
    p.run("click Main_F.Save_Load\nnow 2026/01/01 09:00:00");
    p.run("answer yes\nclick Save_Load_F.Save(2)");
    const std::string save2 = p.readFile("Data/Files/Save2.FIL");
    const std::string user3 = p.readFile("Data/Files/USER3_2.FIL");
    p.spin(20);
    p.run("now 2026/01/01 10:00:00");
    p.writeFile(std::string(blocked) + ".tmp/keep", "");
    EXPECT_EQ(
        p.run("answer yes\nclick Save_Load_F.Save(2)"),
        "beep\nmsgbox question yesno \"00 Varnet\" \"Data 2 は上書きされます。よろしいですか?\"\n"
        "answer yes\n" +
            stopBox("ファイルに保存できませんでした。", blocked));
    EXPECT_EQ(p.readFile("Data/Files/Save2.FIL"), save2);
    EXPECT_EQ(p.readFile("Data/Files/USER3_2.FIL"), user3);
    for (const std::string other : {"Data/Files/Save2.FIL", "Data/Files/USER3_2.FIL"}) {
      if (other != blocked) {
        EXPECT_FALSE(p.exists(other + ".tmp"));
      }
    }
    EXPECT_EQ(p.app().vars.Unsaved, 1);
    EXPECT_EQ(p.app().vars.SlotMode, 0);
    EXPECT_EQ(Save_Load_F(p.app()).Date(2).caption(), "2026/01/01 09:00:00");
  }
}

TEST(SnapshotFiles, UndoRefusesASnapshotThatCouldNotBeWrittenForTheLastSpin) {
  TestProgram p;
  p.spin(6);
  p.writeFile("Data/Files/REAL_SAVE.FIL.tmp/keep", "");
  EXPECT_EQ(p.spin(7), stopBox("ファイルに保存できませんでした。", "Data/Files/REAL_SAVE.FIL") +
                           "sound Data/Sound/Count.wav\n");
  EXPECT_EQ(p.main().Total.text(), "2");
  // REAL_SAVE.FIL still holds the windows before spin 1: putting them back would be wrong.
  EXPECT_EQ(p.run("click Main_F.Count_M(7)"),
            stopBox("ファイルを読み込めませんでした。", "Data/Files/REAL_SAVE.FIL"));
  EXPECT_EQ(p.main().Total.text(), "2");

  std::filesystem::remove_all(p.folder() / "Data/Files/REAL_SAVE.FIL.tmp");
  p.spin(8);
  EXPECT_EQ(p.run("click Main_F.Count_M(8)"), "sound Data/Sound/Count.wav\n");
  EXPECT_EQ(p.main().Total.text(), "2");
}
