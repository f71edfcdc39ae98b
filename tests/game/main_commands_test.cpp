#include <gtest/gtest.h>

#include "../support/area_sets.h"
#include "../support/test_program.h"

namespace {

std::pair<std::string, std::string> user2(const std::string& firstLine) {
  return {"Data/Files/USER2.FIL", User2File(AreaOf{}, firstLine)};
}

}  // namespace

TEST(StartUp, AppliesThe00SwitchMarksAndStacking) {
  TestProgram p({{"Data/Files/USER.FIL", "37,0,1\r\n"}, user2("0,0,0,0,1,1,1,10")});
  EXPECT_EQ(p.startOutput(), "");
  EXPECT_EQ(Shown(p, "Main_F",
                  "Zero_Check.checked Count_P(37).visible Hit_Level_10(37).visible "
                  "Count_P(36).visible BGM_Check.checked Expect_On.checked Quick_Expect.checked "
                  "Front_Check.checked Free_Check.checked"),
            "0|0|0|1|0|1|1|1|0");
  EXPECT_TRUE(p.main().topmost());
  EXPECT_FALSE(Point_F(p.app()).visible());
  EXPECT_EQ(p.app().vars.LogPage, 1);
}

TEST(SettingsMenu, SoundSwitchesOnAudiblyAndOffSilentlyAndStackingAsChosen) {
  TestProgram p;
  EXPECT_EQ(p.run("click Main_F.BGM_Check\nget Main_F.BGM_Check.checked"),
            "Main_F.BGM_Check.checked=0\n");
  EXPECT_EQ(p.readFile("Data/Files/USER.FIL"), "38,0,0\r\n");
  // While sound is off nothing plays: a spin, a window box, a menu item.
  EXPECT_EQ(p.run("click Main_F.Count_P(3)\nclick Main_F.OR\nclick Main_F.Quick_Expect"), "");
  EXPECT_EQ(p.run("click Main_F.BGM_Check\nget Main_F.BGM_Check.checked"),
            "sound Data/Sound/Menu.wav\nMain_F.BGM_Check.checked=1\n");
  EXPECT_EQ(p.readFile("Data/Files/USER.FIL"), "38,1,0\r\n");

  // Main Front and All Free switch the stacking.
  EXPECT_EQ(p.run("click Main_F.Front_Check\nform Main_F"),
            "sound Data/Sound/Menu.wav\nMain_F loaded=1 visible=1 topmost=1\n");
  EXPECT_EQ(p.readFile("Data/Files/USER.FIL"), "38,1,1\r\n");
  EXPECT_EQ(Shown(p, "Main_F", "Front_Check.checked Free_Check.checked"), "1|0");
  EXPECT_EQ(p.run("click Main_F.Free_Check\nform Main_F"),
            "sound Data/Sound/Menu.wav\nMain_F loaded=1 visible=1 topmost=0\n");
  EXPECT_EQ(p.readFile("Data/Files/USER.FIL"), "38,1,0\r\n");
  EXPECT_EQ(Shown(p, "Main_F", "Front_Check.checked Free_Check.checked"), "0|1");
}

TEST(Leaving, NothingToSaveEndsAtOnceAndTheRunWithIt) {
  TestProgram p;
  EXPECT_EQ(p.run("close Main_F\nvar PocketCount"), "end\n");
}

// The about window hides the status windows while it is open, and gives them back by its
// OK button and by its close box.
TEST(AboutWindow, OpensAloneAndGivesTheStatusWindowsBack) {
  TestProgram p({user2("0,0,1,0,0,1,0,10")});
  EXPECT_EQ(p.run("click Main_F.Version"), "sound Data/Sound/BGM1.wav\n");
  EXPECT_TRUE(Version_F(p.app()).visible());
  EXPECT_FALSE(Point_F(p.app()).visible());
  p.run("click Version_F.OK");
  EXPECT_TRUE(Point_F(p.app()).visible());
  EXPECT_FALSE(Area_F(p.app()).visible());
  p.run("click Main_F.Version\nclose Version_F");
  EXPECT_TRUE(Point_F(p.app()).visible());
  EXPECT_FALSE(p.app().forms.version.loaded());
}
