#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "../support/failing_disk.h"
#include "../support/test_program.h"
#include "core/number_index.h"
#include "store/slot_files.h"

namespace {

// A value of a data file: where the program shows it once the file is loaded (a control's
// property, or a game variable), what it shows, and, when the file holds it otherwise,
// the bytes between its quotes.
struct Field {
  std::string where;
  std::string shown;
  bool quoted = true;
  std::string stored = {};
};
using Lines = std::vector<std::vector<Field>>;

std::string bytesOf(const Lines& lines) {
  std::string f;
  for (const auto& line : lines) {
    for (const Field& v : line) {
      if (&v != &line.front()) f += ",";
      const std::string& bytes = v.stored.empty() ? v.shown : v.stored;
      f += v.quoted ? "\"" + bytes + "\"" : bytes;
    }
    f += "\r\n";
  }
  return f;
}

// The values of the file that the program does not show where the file puts them.
std::string misplaced(TestProgram& p, const Lines& file) {
  std::string wrong;
  for (const auto& line : file)
    for (const Field& v : line) {
      const bool control = v.where.find('.') != std::string::npos;
      const std::string shown = p.run((control ? "get " : "var ") + v.where);
      if (shown != v.where + "=" + v.shown + "\n")
        wrong += shown.substr(0, shown.find('\n')) + " instead of " + v.shown + "\n";
    }
  return wrong;
}

std::string at(const std::string& name, int i) {
  return name + "(" + std::to_string(i) + ")";
}

// Save1.FIL and USER3_1.FIL with every value told apart from every other the layout could
// swap it with, written out in the files' order. Figures are whole numbers, each used once
// (the total is the sum of the hit counts, as in any game); flags, memberships and log
// entries, which have a few values only, follow patterns.
std::pair<Lines, Lines> distinctSlot() {
  int next = 100;
  const auto fig = [&next](const std::string& where) {
    return Field{where, std::to_string(++next)};
  };
  const auto bare = [](const std::string& where, int v) {
    return Field{where, std::to_string(v), false};
  };
  const auto flag = [](const std::string& where, bool on) { return Field{where, on ? "1" : "0"}; };

  Lines game;
  // "予想済み, 赤" in CP932; the second byte of 予 is a backslash.
  game.push_back({{"Save_Load_F.Date(1).caption", "2025/03/01 21:15:07"},
                  {"Save_Load_F.Comment(1).text", "予想済み, 赤", true,
                   "\x97\x5C\x91\x7A\x8D\xCF\x82\xDD, \x90\xD4"},
                  fig("Main_F.Total.text"),
                  fig("Main_F.Round_T.text"),
                  fig("Main_F.Red.text"),
                  fig("Main_F.Black.text")});
  for (const char* column : {"Main_F.Hit_Count", "Main_F.Rate"})
    for (int i = 0; i <= 37; ++i) game.push_back({fig(at(column, i) + ".text")});
  // The total agrees with the hit counts, and the log with the total.
  long total = 0;
  for (int i = 0; i <= 37; ++i) total += std::stol(game[static_cast<std::size_t>(1 + i)][0].shown);
  game[0][2].shown = std::to_string(total);
  for (int j = 0; j <= 24; ++j) game.push_back({{at("LogText", j), NumberText(j * 3 % 38)}});
  for (int j = 0; j <= 24; ++j) game.push_back({bare(at("LogColour", j), j % 5)});
  // Tallies below one hit keep the Total window's rate as it was stored.
  game.push_back({{"Total_F.Expect_Hit.text", "0.25"},
                  {"Total_F.Expect_Out.text", "3.75"},
                  {"Total_F.Win_Rate.text", "6.3%"}});
  for (int k = 1; k <= 5000; ++k)
    game.push_back({bare(at("SpinLog", k), k <= total ? 1 + k * 7 % 38 : 0)});

  Lines snapshot;
  for (int i = 0; i <= 37; ++i) {
    snapshot.emplace_back();
    for (int k = 1; k <= 6; ++k)
      snapshot.back().push_back(bare(at("AreaMember" + std::to_string(k), i), i % 6 + 1 == k));
  }
  snapshot.push_back({bare("ExpectDone", 1)});
  for (const char* box :
       {"Hit_Hantei_Black", "Black_Hit", "Black_Deme_Rate", "Expect_Black_Hit", "Expect_Black_Out",
        "Black_Win_Rate", "Hit_Hantei_Red", "Red_Hit", "Red_Deme_Rate", "Expect_Red_Hit",
        "Expect_Red_Out", "Red_Win_Rate", "Hit_T", "Out_T", "Win_Rate"}) {
    const std::string where = "Black_or_Red_F." + std::string(box) + ".text";
    const bool isFlag = std::string(box).starts_with("Hit_Hantei");
    snapshot.push_back({isFlag ? flag(where, box[11] == 'R') : fig(where)});
  }
  for (int n = 1; n <= 36; ++n) {
    snapshot.emplace_back();
    for (const char* column : {"Hit_Count", "Zenkai_H", "Point_One", "Point_Total"})
      snapshot.back().push_back(fig("Point_F." + at(column, n) + ".text"));
    snapshot.back().push_back(flag("Point_F." + at("Expect_H", n) + ".text", n % 3 == 1));
  }
  snapshot.push_back(
      {fig("Point_F.Hit_T.text"), fig("Point_F.Out_T.text"), fig("Point_F.Win_Rate.text")});
  for (int k = 1; k <= 6; ++k) {
    snapshot.push_back({fig("Area_F." + at("Hit_C", k) + ".text")});
    snapshot.push_back({fig("Area_F." + at("Hit_Rate", k) + ".text")});
    snapshot.push_back({flag("Area_F." + at("Expect_H", k) + ".text", k == 3)});
  }
  for (int k = 1; k <= 7; ++k)
    for (const char* column : {"Expect_Hit", "Expect_Out", "Win_Rate"})
      snapshot.push_back({fig("Area_F." + at(column, k) + ".text")});
  return {game, snapshot};
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
  return GameDump(p, nullptr, {"LastIndex", "Unsaved", "SlotNo", "ExpectDone"});
}

}  // namespace

TEST(SnapshotFiles, EveryValueOfASlotLoadsIntoItsPlaceAndSavesBackIntoItsColumn) {
  const auto [game, snapshot] = distinctSlot();
  TestProgram p(
      {{"Data/Files/Save1.FIL", bytesOf(game)}, {"Data/Files/USER3_1.FIL", bytesOf(snapshot)}});
  p.run("click Main_F.Save_Load");
  EXPECT_EQ(p.run("answer yes\nclick Save_Load_F.Load(1)"),
            loadAsked(1) + "sound Data/Sound/Expect_END.wav\n");
  EXPECT_EQ(misplaced(p, game), "");
  EXPECT_EQ(misplaced(p, snapshot), "");
  // The lamps and the Expect button follow the flags, the strip the log colours.
  EXPECT_TRUE(Black_or_Red_F(p.app()).Red_Light.lit());
  EXPECT_TRUE(Point_F(p.app()).Expect_Light(4).lit());
  EXPECT_FALSE(Point_F(p.app()).Expect_Light(5).lit());
  EXPECT_TRUE(Area_F(p.app()).Expect_Light(3).lit());
  EXPECT_EQ(Shown(p, "Main_F", "Expect.back Log(4).back"), "#80FFFF|#0000C0");

  // Saved back at the same moment, both files come out byte for byte as they went in; the
  // next spin's undo snapshot holds the status windows as the slot's file does.
  p.run("now 2025/03/01 21:15:07\nanswer yes\nclick Save_Load_F.Save(1)");
  EXPECT_EQ(LineChanges(bytesOf(game), p.readFile("Data/Files/Save1.FIL")), "");
  EXPECT_EQ(LineChanges(bytesOf(snapshot), p.readFile("Data/Files/USER3_1.FIL")), "");
  p.run("click Save_Load_F.Command1");
  p.spin(9);
  const Lines windows(snapshot.begin() + 38, snapshot.end());
  EXPECT_EQ(LineChanges(bytesOf(windows), p.readFile("Data/Files/REAL_SAVE.FIL")), "");
}

namespace {

using Spoil = void (*)(TestProgram&, const std::string& file);

// Replaces value k (from 1; 0 for the whole line) of the `n`-th line of a data file; the
// line holds no quoted commas.
void replaceValue(TestProgram& p, const std::string& file, int n, int k, const std::string& value) {
  std::string s = p.readFile(file);
  std::size_t at = 0;
  for (int i = 1; i < n; ++i) at = s.find("\r\n", at) + 2;
  for (int i = 1; i < k; ++i) at = s.find(',', at) + 1;
  s.replace(at, s.find_first_of(k == 0 ? "\r" : ",\r", at) - at, value);
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

// Slot 2 saved, then a spin, then `spoil`: reading `file` gives `outcome`, and a load must
// show the stop box for it and change nothing.
void expectLoadRefused(const std::string& file, const std::function<void(TestProgram&)>& spoil,
                       FileResult::Outcome outcome = FileResult::Malformed) {
  TestProgram p;
  p.spin(6);
  p.run("click Main_F.Save_Load");
  p.run("answer yes\nclick Save_Load_F.Save(2)");
  p.spin(20);
  spoil(p);
  const FileResult read = file.find("USER3") == std::string::npos
                              ? ReadSlotFile(p.app(), file).result
                              : ReadSnapshotFile(p.app(), SlotSnapshotFile(2)).result;
  EXPECT_EQ(read.outcome, outcome);
  EXPECT_EQ(read.path, file);
  EXPECT_EQ(static_cast<bool>(read.reason), outcome == FileResult::Failed);
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
    FileResult::Outcome outcome = FileResult::Malformed;
  };
  const Case cases[] = {
      {"truncated", "Data/Files/Save2.FIL",
       [](TestProgram& p, const std::string& f) {
         spoilText(p, f, [](std::string s) { return s.substr(0, 3000); });
       }},
      {"missing", "Data/Files/Save2.FIL",
       [](TestProgram& p, const std::string& f) { std::filesystem::remove(p.folder() / f); },
       FileResult::Missing},
      {"one line short", "Data/Files/USER3_2.FIL",
       [](TestProgram& p, const std::string& f) {
         spoilText(p, f,
                   [](std::string s) { return s.substr(0, s.rfind("\"", s.size() - 4) - 1); });
       }},
      {"a line left over at the end", "Data/Files/USER3_2.FIL",
       [](TestProgram& p, const std::string& f) { p.writeFile(f, p.readFile(f) + "\"\"\r\n"); }},
      {"a folder in place of Save2.FIL", "Data/Files/Save2.FIL", folderInItsPlace,
       FileResult::Failed},
      {"a folder in place of USER3_2.FIL", "Data/Files/USER3_2.FIL", folderInItsPlace,
       FileResult::Failed},
      {"a link to itself", "Data/Files/Save2.FIL", linkToItself, FileResult::Failed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    expectLoadRefused(
        c.file, [&c](TestProgram& p) { c.spoil(p, c.file); }, c.outcome);
  }
}

// Values no layout holds, and figures no game gives: each of the latter would have made
// the next spin or prediction abort, hang or overflow.
TEST(SnapshotFiles, FiguresNoGameGivesAreReportedAndChangeNothing) {
  struct Case {
    const char* what;
    const char* file;
    int line, value;
    const char* text;
  };
  const Case cases[] = {
      {"a letter for an integer", "USER3_2", 1, 3, "x"},
      {"a log value of 39", "Save2", 5128, 1, "39"},
      {"a value too many on a log line", "Save2", 129, 0, "7,8"},
      {"seven flags on an area line", "USER3_2", 5, 0, "0,0,0,0,0,0,1"},
      {"a value too many on the ExpectDone line", "USER3_2", 39, 0, "0,0"},
      {"a value too many in the middle", "Save2", 50, 0, "\"0%\",\"0%\""},
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
      [](TestProgram& p, const std::string& f) { replaceValue(p, f, 1, 0, "0,0"); },
      [](TestProgram& p, const std::string& f) { replaceValue(p, f, 1, 0, "5"); },
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
  // The file itself is sound; the box says why the spin cannot be taken back.
  EXPECT_EQ(p.run("click Main_F.Count_M(7)"),
            stopBox("直前のスピンの保存に失敗したため、取り消しできません。",
                    "Data/Files/REAL_SAVE.FIL"));
  EXPECT_EQ(p.main().Total.text(), "2");

  p.app().disk = std::make_unique<Disk>();
  p.spin(8);
  EXPECT_EQ(p.run("click Main_F.Count_M(8)"), "sound Data/Sound/Count.wav\n");
  EXPECT_EQ(p.main().Total.text(), "2");
}
