#include <gtest/gtest.h>

#include <sstream>

#include "../support/test_program.h"
#include "core/number_index.h"

namespace {

// Every figure a window holds in its text boxes, as `dump` prints them; for the main
// window also the strip and the level lights.
bool figure(const std::string& line) {
  return line.find(".text=") != std::string::npos || line.find(".Log(") != std::string::npos ||
         line.find(".Hit_Level_") != std::string::npos;
}

std::string allFigures(TestProgram& p) {
  return GameDump(p, figure, {"ExpectDone"});
}

std::string save(TestProgram& p, int n) {
  return p.run("answer yes\nclick Save_Load_F.Save(" + std::to_string(n) + ")");
}

std::string load(TestProgram& p, int n) {
  return p.run("answer yes\nclick Save_Load_F.Load(" + std::to_string(n) + ")");
}

// A game with figures in every window.
void playSomeSpins(TestProgram& p) {
  for (int n : {6, 13, 36, 0, 24, 37, 6, 19, 2, 30, 6}) p.spin(n);
  auto& v = p.app().vars;
  for (int i = 0; i < 12; ++i) v.AreaMember(1 + i % 6)(i) = 1;
  Black_or_Red_F(p.app()).Hit_Hantei_Black.setText("1");
  Point_F(p.app()).Expect_H(7).setText("1");
  Point_F(p.app()).Win_Rate.setText("66.7%");
  Area_F(p.app()).Hit_Rate(2).setText("13.573408");
  Area_F(p.app()).Expect_Out(7).setText("0.95");
  Total_F(p.app()).Expect_Hit.setText("2.05");
  Total_F(p.app()).Expect_Out.setText("0.95");
  Total_F(p.app()).Win_Rate.setText("67.8%");  // as a load computes it again
  v.ExpectDone = 1;
}

}  // namespace

TEST(SaveSlots, SaveThenLoadBringsBackEveryFigure) {
  TestProgram p;
  playSomeSpins(p);
  p.run(
      "click Main_F.Save_Load\ntype Save_Load_F.Comment(2) 赤が続く, 注意\nnow 2026/03/01 "
      "21:15:07");
  const std::string before = allFigures(p);
  EXPECT_EQ(
      save(p, 2),
      "beep\nmsgbox question yesno \"00 Varnet\" \"Data 2 は上書きされます。よろしいですか?\"\n"
      "answer yes\nsound Data/Sound/Expect_END.wav\n");
  EXPECT_EQ(Shown(p, "var", "Unsaved SlotMode"), "2|0");

  p.run("answer yes\nclick Main_F.Clear\nclick Main_F.Count_P(5)");
  p.app().vars.AreaMember(1)(0) = 0;
  p.app().vars.LogPage = 7;
  ASSERT_NE(allFigures(p), before);
  EXPECT_EQ(load(p, 2),
            "beep\nmsgbox question yesno \"00 Varnet\" \"現在のデータを消去し Data 2 "
            "を読み込みます。よろしいですか?\"\nanswer yes\nsound Data/Sound/Expect_END.wav\n");
  EXPECT_EQ(allFigures(p), before);
  // A load leaves the page and the unsaved flag as they were.
  EXPECT_EQ(Shown(p, "var", "LogPage Unsaved LastIndex"), "7|1|100");
  EXPECT_EQ(p.run("click Main_F.Count_M(5)"), "");  // nothing to take back after a load
  EXPECT_EQ(p.main().Expect.back(), Colour::rgb(0x80FFFF));
  EXPECT_TRUE(Black_or_Red_F(p.app()).Black_Light.lit());
  EXPECT_TRUE(Point_F(p.app()).Expect_Light(7).lit());
  // The loaded areas are the settings' areas too.
  const std::string user2 = p.readFile("Data/Files/USER2.FIL");
  EXPECT_EQ(user2.substr(user2.find("\r\n") + 2, 13), "1,0,0,0,0,0\r\n");

  // Listed again when the window opens anew.
  p.run("click Save_Load_F.Command1\nclick Main_F.Save_Load");
  EXPECT_EQ(Shown(p, "Save_Load_F", "Date(2).caption Comment(2).text Date(1).caption"),
            "2026/03/01 21:15:07|赤が続く, 注意|");
}

TEST(SaveSlots, SavingTwiceKeepsTheSecondAndLeavesTheGameAsItIs) {
  TestProgram p;
  p.spin(4);
  p.run("click Main_F.Save_Load\nnow 2026/03/01 10:00:00\ntype Save_Load_F.Comment(3) first");
  save(p, 3);
  const std::string game = allFigures(p);
  const std::string realSave = p.readFile("Data/Files/REAL_SAVE.FIL");
  p.run("now 2026/03/02 11:30:00\ntype Save_Load_F.Comment(3) ");
  save(p, 3);
  EXPECT_EQ(Save_Load_F(p.app()).Date(3).caption(), "2026/03/02 11:30:00");
  const std::string file = p.readFile("Data/Files/Save3.FIL");
  EXPECT_EQ(file.substr(0, file.find('\n') + 1),
            "\"2026/03/02 11:30:00\",\"\",\"1\",\"0\",\"1\",\"0\"\r\n");
  EXPECT_EQ(allFigures(p), game);
  EXPECT_EQ(p.readFile("Data/Files/REAL_SAVE.FIL"), realSave);
  EXPECT_FALSE(p.exists("Data/Files/Save2.FIL"));

  // No keeps the old save.
  p.run("now 2026/03/03 12:00:00\nanswer no\nclick Save_Load_F.Save(3)");
  EXPECT_EQ(p.readFile("Data/Files/Save3.FIL"), file);
  EXPECT_EQ(Save_Load_F(p.app()).Date(3).caption(), "2026/03/02 11:30:00");
}

TEST(SaveSlots, ClosingTheWindowBringsBackTheStatusWindowsThatAreTicked) {
  TestProgram p;
  p.run("click Main_F.Point_C\nclick Main_F.Save_Load");
  EXPECT_FALSE(Point_F(p.app()).visible());
  p.run("close Save_Load_F");
  EXPECT_TRUE(Point_F(p.app()).visible());
  EXPECT_FALSE(Black_or_Red_F(p.app()).visible());
  p.run("click Main_F.Save_Load\nclick Save_Load_F.Command1");
  EXPECT_EQ(p.run("form Save_Load_F"), "Save_Load_F loaded=0 visible=0 topmost=0\n");
  EXPECT_TRUE(Point_F(p.app()).visible());
}

TEST(SaveSlots, LoadingWithout00KeepsItsFiguresButNotItsLights) {
  TestProgram p;
  p.spin(37, 3);
  p.spin(0, 80);  // round count 2.2: every row but 00 and 1 lags
  p.run("click Main_F.Save_Load");
  save(p, 1);
  p.run("answer yes\nclick Main_F.Clear\nclick Main_F.Zero_Check");
  p.main().Hit_Level(1)(37).setBack(Colour::rgb(0x123456));
  load(p, 1);
  // Lag 2.2 is not above 2.2.
  EXPECT_EQ(Shown(p, "Main_F",
                  "Hit_Count(37).text Rate(37).text Hit_Level_1(37).back Hit_Level_5(36).back "
                  "Hit_Level_4(36).back"),
            "3|137%|#123456|buttonface|#80FFFF");
}

// The rules are those of the Total window (TotalWindow.ASlotLoad...); here, that a load
// applies them to the tallies it stored.
TEST(SaveSlots, ALoadWorksOutTheTotalRateAndStatusFromOneStoredHit) {
  TestProgram p;
  TotalForm& t = Total_F(p.app());
  t.Expect_Hit.setText("0.95");  // below one hit: the stored rate and the status stay
  t.Expect_Out.setText("3");
  t.Win_Rate.setText("24%");
  p.run("click Main_F.Save_Load");
  save(p, 5);
  t.Expect_Hit.setText("1");
  t.Expect_Out.setText("2");
  save(p, 2);
  t.Win_Rate.setText("99%");
  t.Status_L.setCaption("Com Win Good!");
  const std::string shown = "Win_Rate.text Status_L.caption Image1.visible";
  load(p, 5);
  EXPECT_EQ(Shown(p, "Total_F", shown), "24%|Com Win Good!|0");
  load(p, 2);
  EXPECT_EQ(Shown(p, "Total_F", shown), "33.3%|Com Loss Sorry|0");
}
