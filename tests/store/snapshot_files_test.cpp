#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "../support/failing_disk.h"
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

// Save1.FIL line by line from its layout, with Japanese text in CP932.
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

TEST(SnapshotFiles, StoredSlotLoadsAndSavesBackByteForByte) {
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

namespace {

using Spoil = void (*)(TestProgram&, const std::string& file);

// Replaces the `n`-th line (from 1) of a data file.
void replaceLine(TestProgram& p, const std::string& file, int n, const std::string& line) {
  std::string s = p.readFile(file);
  std::size_t at = 0;
  for (int i = 1; i < n; ++i) at = s.find("\r\n", at) + 2;
  s.replace(at, s.find("\r\n", at) - at, line);
  p.writeFile(file, s);
}

// Replaces value k (from 1) of the `n`-th line; the line holds no quoted commas.
void replaceValue(TestProgram& p, const std::string& file, int n, int k, const std::string& value) {
  std::string s = p.readFile(file);
  std::size_t at = 0;
  for (int i = 1; i < n; ++i) at = s.find("\r\n", at) + 2;
  for (int i = 1; i < k; ++i) at = s.find(',', at) + 1;
  s.replace(at, s.find_first_of(",\r", at) - at, value);
  p.writeFile(file, s);
}

void spoilText(TestProgram& p, const std::string& file, std::string (*spoil)(std::string)) {
  p.writeFile(file, spoil(p.readFile(file)));
}

// Files that exist but cannot be read.
void folderInItsPlace(TestProgram& p, const std::string& file) {
  std::filesystem::remove(p.folder() / file);
  p.writeFile(file + "/keep", "");
}

void linkToItself(TestProgram& p, const std::string& file) {
  const auto path = p.folder() / file;
  std::filesystem::remove(path);
  std::filesystem::create_symlink(path.filename(), path);
}

// Slot 2 saved, then a spin, then `spoil`: its load must show the stop box for `file` and
// change nothing.
void expectLoadRefused(const std::string& file, const std::function<void(TestProgram&)>& spoil) {
  TestProgram p;
  p.spin(6);
  p.run("click Main_F.Save_Load");
  p.run("answer yes\nclick Save_Load_F.Save(2)");
  p.spin(20);
  spoil(p);
  const std::string before = state(p);
  const std::string user2 = p.readFile("Data/Files/USER2.FIL");
  EXPECT_EQ(p.run("answer yes\nclick Save_Load_F.Load(2)"),
            loadAsked(2) + stopBox("ファイルを読み込めませんでした。", file));
  EXPECT_EQ(state(p), before);
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL"), user2);
  // The game goes on as it was.
  p.run("click Save_Load_F.Command1\nclick Main_F.Expect");
  p.spin(3);
  EXPECT_EQ(p.main().Total.text(), "3");
}

}  // namespace

TEST(SnapshotFiles, BadSlotFilesAreReportedAndChangeNothing) {
  struct Case {
    const char* what;
    const char* file;
    Spoil spoil;
  };
  const Case cases[] = {
      {"truncated", "Data/Files/Save2.FIL",
       [](TestProgram& p, const std::string& f) {
         spoilText(p, f, [](std::string s) { return s.substr(0, 3000); });
       }},
      {"a letter for an integer", "Data/Files/USER3_2.FIL",
       [](TestProgram& p, const std::string& f) {
         spoilText(p, f, [](std::string s) { return s.replace(4, 1, "x"); });
       }},
      {"a log value of 39", "Data/Files/Save2.FIL",
       [](TestProgram& p, const std::string& f) {
         spoilText(p, f, [](std::string s) { return s.replace(s.size() - 3, 1, "39"); });
       }},
      {"missing", "Data/Files/Save2.FIL",
       [](TestProgram& p, const std::string& f) { std::filesystem::remove(p.folder() / f); }},
      {"one line short", "Data/Files/USER3_2.FIL",
       [](TestProgram& p, const std::string& f) {
         spoilText(p, f,
                   [](std::string s) { return s.substr(0, s.rfind("\"", s.size() - 4) - 1); });
       }},
      {"a value too many on a log line", "Data/Files/Save2.FIL",
       [](TestProgram& p, const std::string& f) { replaceLine(p, f, 129, "7,8"); }},
      {"seven flags on an area line", "Data/Files/USER3_2.FIL",
       [](TestProgram& p, const std::string& f) { replaceLine(p, f, 5, "0,0,0,0,0,0,1"); }},
      {"a value too many on the ExpectDone line", "Data/Files/USER3_2.FIL",
       [](TestProgram& p, const std::string& f) { replaceLine(p, f, 39, "0,0"); }},
      {"a value too many in the middle", "Data/Files/Save2.FIL",
       [](TestProgram& p, const std::string& f) { replaceLine(p, f, 50, "\"0%\",\"0%\""); }},
      {"a line left over at the end", "Data/Files/USER3_2.FIL",
       [](TestProgram& p, const std::string& f) { p.writeFile(f, p.readFile(f) + "\"\"\r\n"); }},
      {"a folder in place of Save2.FIL", "Data/Files/Save2.FIL", folderInItsPlace},
      {"a folder in place of USER3_2.FIL", "Data/Files/USER3_2.FIL", folderInItsPlace},
      {"a link to itself", "Data/Files/Save2.FIL", linkToItself},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    expectLoadRefused(c.file, [&c](TestProgram& p) { c.spoil(p, c.file); });
  }
}

TEST(SnapshotFiles, FiguresNoGameGivesAreReportedAndChangeNothing) {
  // Each would have made the next spin or prediction abort, hang or overflow.
  struct Case {
    const char* what;
    const char* file;
    int line, value;
    const char* text;
  };
  const Case cases[] = {
      {"a negative spin count", "Save2", 1, 3, "\"-5\""},
      {"a spin count beyond a long", "Save2", 1, 3, "\"1e30\""},
      {"a spin count of twenty digits", "Save2", 1, 3, "\"99999999999999999999\""},
      {"half a spin", "Save2", 1, 3, "\"2.5\""},
      {"a negative red count", "Save2", 1, 5, "\"-1\""},
      {"a negative hit count", "Save2", 20, 1, "\"-1000\""},
      {"a negative Total window tally", "Save2", 128, 2, "\"-0.5\""},
      {"an area membership of 5", "USER3_2", 3, 4, "5"},
      {"an ExpectDone of 2", "USER3_2", 39, 1, "2"},
      {"an ExpectDone of -1", "USER3_2", 39, 1, "-1"},
      {"a black count beyond any game", "USER3_2", 41, 1, "\"1e10\""},
      {"a colour flag of 2", "USER3_2", 46, 1, "\"2\""},
      {"a negative Point hit count", "USER3_2", 73, 1, "\"-1000\""},
      {"a point beyond a long", "USER3_2", 55, 3, "\"1e30\""},
      {"a Point flag of 0.5", "USER3_2", 60, 5, "\".5\""},
      {"an area level beyond a long", "USER3_2", 93, 1, "\"1e30\""},
      {"a negative area score", "USER3_2", 111, 1, "\"-2\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string file = "Data/Files/" + std::string(c.file) + ".FIL";
    expectLoadRefused(file,
                      [&](TestProgram& p) { replaceValue(p, file, c.line, c.value, c.text); });
  }
}

TEST(SnapshotFiles, UndoWithoutAGoodSnapshotIsReportedAndChangesNothing) {
  const Spoil spoils[] = {
      [](TestProgram& p, const std::string& f) { std::filesystem::remove(p.folder() / f); },
      [](TestProgram& p, const std::string& f) { replaceLine(p, f, 1, "0,0"); },
      [](TestProgram& p, const std::string& f) { replaceLine(p, f, 1, "5"); },
      [](TestProgram& p, const std::string& f) { replaceValue(p, f, 20, 2, "\"-3\""); },
      folderInItsPlace,
      linkToItself,
  };
  for (Spoil spoil : spoils) {
    TestProgram p;
    p.spin(6);
    p.spin(7);
    spoil(p, "Data/Files/REAL_SAVE.FIL");
    const std::string before = state(p);
    EXPECT_EQ(p.run("click Main_F.Count_M(7)"),
              stopBox("ファイルを読み込めませんでした。", "Data/Files/REAL_SAVE.FIL"));
    EXPECT_EQ(state(p), before);
  }
}

TEST(SnapshotFiles, FailedSlotSaveKeepsTheOldSlotWhole) {
  // A folder in the place of one of the slot's files fails its write.
  for (const std::string blocked : {"Data/Files/Save2.FIL", "Data/Files/USER3_2.FIL"}) {
    SCOPED_TRACE(blocked);
    TestProgram p;
    p.spin(6);
    p.run("click Main_F.Save_Load\nnow 2026/01/01 09:00:00");
    p.run("answer yes\nclick Save_Load_F.Save(2)");
    p.spin(20);
    p.run("now 2026/01/01 10:00:00");
    folderInItsPlace(p, blocked);
    const std::string save2 = p.readFile("Data/Files/Save2.FIL");
    const std::string user3 = p.readFile("Data/Files/USER3_2.FIL");
    const auto files = p.dataFiles();
    EXPECT_EQ(
        p.run("answer yes\nclick Save_Load_F.Save(2)"),
        "beep\nmsgbox question yesno \"00 Varnet\" \"Data 2 は上書きされます。よろしいですか?\"\n"
        "answer yes\n" +
            stopBox("ファイルに保存できませんでした。", blocked));
    EXPECT_EQ(p.readFile("Data/Files/Save2.FIL"), save2);
    EXPECT_EQ(p.readFile("Data/Files/USER3_2.FIL"), user3);
    EXPECT_EQ(p.dataFiles(), files);
    EXPECT_EQ(p.app().vars.Unsaved, 1);
    EXPECT_EQ(p.app().vars.SlotMode, 0);
    p.run("click Save_Load_F.Command1\nclick Main_F.Save_Load");
    EXPECT_EQ(Save_Load_F(p.app()).Date(2).caption(),
              blocked == "Data/Files/Save2.FIL" ? "" : "2026/01/01 09:00:00");
  }
}

TEST(SnapshotFiles, UndoRefusesASnapshotThatCouldNotBeWrittenForTheLastSpin) {
  TestProgram p;
  p.spin(6);
  FailStep(p.app(), 1);
  EXPECT_EQ(p.spin(7), stopBox("ファイルに保存できませんでした。", "Data/Files/REAL_SAVE.FIL") +
                           "sound Data/Sound/Count.wav\n");
  EXPECT_EQ(p.main().Total.text(), "2");
  // REAL_SAVE.FIL still holds the windows before spin 1: putting them back would be wrong.
  EXPECT_EQ(p.run("click Main_F.Count_M(7)"),
            stopBox("ファイルを読み込めませんでした。", "Data/Files/REAL_SAVE.FIL"));
  EXPECT_EQ(p.main().Total.text(), "2");

  p.app().disk = std::make_unique<Disk>();
  p.spin(8);
  EXPECT_EQ(p.run("click Main_F.Count_M(8)"), "sound Data/Sound/Count.wav\n");
  EXPECT_EQ(p.main().Total.text(), "2");
}
