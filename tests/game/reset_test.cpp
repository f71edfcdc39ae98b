#include <gtest/gtest.h>

#include "../support/area_sets.h"
#include "../support/test_program.h"

TEST(Clear, EmptiesTheGameButKeepsPredictionUndoAndSettings) {
  TestProgram p({{"Data/Files/USER.FIL", "37,1,0\r\n"}});
  p.spin(0, 40);
  p.spin(36);
  p.app().vars.ExpectDone = 1;
  p.main().Hit_Count(37).setText("5");  // left over from a game with 00
  Point_F(p.app()).Hit_T.setText("4");
  const std::string asked =
      "beep\nmsgbox question yesno \"00 Varnet\" \"現在のデータをクリアしますか?\"\n";
  // No changes nothing at all.
  const auto version = p.main().version();
  EXPECT_EQ(p.run("answer no\nclick Main_F.Clear"), asked + "answer no\n");
  EXPECT_EQ(p.main().version(), version);
  EXPECT_EQ(p.run("answer yes\nclick Main_F.Clear"), asked + "answer yes\n");
  EXPECT_EQ(
      Shown(p, "Main_F",
            "Total.text Round_T.text Red.text Black.text Hit_Count(0).text Rate(0).text "
            "Hit_Count(37).text Hit_Level_1(5).back Log(0).caption Log(0).back Last_Spin.caption"),
      "0|0|0|0|0|0|0|buttonface||buttonface|");
  EXPECT_EQ(Shown(p, "var",
                  "LogText(1) SpinLog(1) LogPage Unsaved CurrentIndex ColourClass ExpectDone "
                  "LastIndex PocketCount"),
            "|0|1|2|39|2|1|36|37");
  EXPECT_FALSE(p.app().forms.point.loaded());
  EXPECT_EQ(Point_F(p.app()).Hit_T.text(), "0");
  EXPECT_EQ(Log_F(p.app()).Page.caption(), "1");
  EXPECT_TRUE(p.exists("Data/Files/USER2.FIL"));
  // The game is empty, so 00 may be switched again.
  EXPECT_EQ(p.run("click Main_F.Zero_Check"), "sound Data/Sound/Menu.wav\n");
}

TEST(Clear, TickedBoxesRunTheirHandlersAndTheirWindowsComeBackFreshAndHidden) {
  TestProgram p({{"Data/Files/USER2.FIL", User2File(AreaOf{}, "1,0,0,1,0,1,0,10")}});
  Black_or_Red_F(p.app()).Hit_T.setText("9");
  EXPECT_EQ(
      p.run("answer yes\nclick Main_F.Clear"),
      "beep\nmsgbox question yesno \"00 Varnet\" \"現在のデータをクリアしますか?\"\nanswer yes\n"
      "sound Data/Sound/BGM1.wav\nsound Data/Sound/BGM1.wav\n");
  EXPECT_EQ(p.run("form Black_or_Red_F\nform Total_F\nform Area_F"),
            "Black_or_Red_F loaded=1 visible=0 topmost=1\nTotal_F loaded=1 visible=0 topmost=1\n"
            "Area_F loaded=0 visible=0 topmost=0\n");
  EXPECT_EQ(Black_or_Red_F(p.app()).Hit_T.text(), "0");
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL").substr(0, 18), "0,0,0,0,0,1,0,10\r\n");
}

TEST(ZeroSwitch, OffAndOnAgainOnlyOnAnEmptyGame) {
  TestProgram p;
  EXPECT_EQ(p.run("click Main_F.Zero_Check"), "sound Data/Sound/Menu.wav\n");
  EXPECT_EQ(p.readFile("Data/Files/USER.FIL"), "37,1,0\r\n");
  EXPECT_EQ(p.app().vars.PocketCount, 37);
  const std::string row00 = "Zero_Check.checked Deme(37).visible Rate(37).visible";
  EXPECT_EQ(Shown(p, "Main_F", row00), "0|0|0");
  // With 37 pockets a spin counts over 37 and leaves row 37 alone.
  p.spin(0);
  EXPECT_EQ(Shown(p, "Main_F", "Rate(0).text Rate(37).text"), "3700%|0");
  // Only an empty game takes the switch.
  EXPECT_EQ(p.run("click Main_F.Zero_Check"),
            "msgbox info ok \"00 Varnet\" \"00 有無のセットはメニューの File→Clear "
            "を実行してください。\"\n");
  EXPECT_FALSE(p.main().Zero_Check.checked());
  EXPECT_EQ(p.app().vars.PocketCount, 37);
  p.run("answer yes\nclick Main_F.Clear\nclick Main_F.Zero_Check");
  EXPECT_EQ(p.readFile("Data/Files/USER.FIL"), "38,1,0\r\n");
  EXPECT_EQ(Shown(p, "Main_F", row00), "1|1|1");
}
