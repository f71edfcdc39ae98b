#include <gtest/gtest.h>

#include "../support/predict_support.h"

namespace {

const std::string Window = "sound Data/Sound/BGM1.wav\n";
const std::string Menu = "sound Data/Sound/Menu.wav\n";
const std::string UserFile = "Data/Files/USER.FIL";

std::string firstLine(const TestProgram& p) {
  const std::string s = p.readFile("Data/Files/USER2.FIL");
  return s.substr(0, s.find('\r'));
}

}  // namespace

TEST(StatusWindows, StartUpShowsTheWindowsTheSettingsAskFor) {
  const std::string settings = Settings({.windows = 1, .mode = 2, .quick = 0, .limit = 7});
  TestProgram p{{UserFile, "38,1,0\r\n"}, {"Data/Files/USER2.FIL", settings}};
  EXPECT_EQ(p.startOutput(), Window + Window + Window + Window);
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL"), settings);
  EXPECT_EQ(p.run("form Black_or_Red_F\nform Area_F\nform Point_F\nform Total_F"),
            "Black_or_Red_F loaded=1 visible=1 topmost=1\nArea_F loaded=1 visible=1 topmost=1\n"
            "Point_F loaded=1 visible=1 topmost=1\nTotal_F loaded=1 visible=1 topmost=1\n");
  EXPECT_EQ(Shown(p, "Main_F", "OR.value Area.value Point_C.value Total_C.value"), "1|1|1|1");

  EXPECT_EQ(p.run("click Main_F.Total_C\nvar TotalWindowOn"), Window + "TotalWindowOn=0\n");
  EXPECT_FALSE(Total_F(p.app()).visible());
  EXPECT_EQ(firstLine(p), "1,1,1,0,0,2,0,7");
  // A close box does what clearing the window's check box does, and lasts as that does.
  EXPECT_EQ(p.run("close Point_F\nget Main_F.Point_C.value"), Window + "Main_F.Point_C.value=0\n");
  EXPECT_FALSE(Point_F(p.app()).visible());
  EXPECT_EQ(firstLine(p), "1,1,0,0,0,2,0,7");
  EXPECT_EQ(p.run("close Area_F\nclose Black_or_Red_F"), Window + Window);
  EXPECT_EQ(p.main().OR.value() + p.main().Area.value(), 0);
  EXPECT_EQ(firstLine(p), "0,0,0,0,0,2,0,7");
  EXPECT_EQ(p.run("click Main_F.Point_C\nget Main_F.Point_C.value"),
            Window + "Main_F.Point_C.value=1\n");
  EXPECT_TRUE(Point_F(p.app()).visible());
}

TEST(StatusWindows, ExpectCheckAndQuickExpectToggleAndAreStored) {
  TestProgram p{{UserFile, "38,1,0\r\n"}, SettingsFile({.quick = 0})};
  EXPECT_EQ(p.run("click Main_F.Expect_On\nclick Main_F.Quick_Expect"), Menu + Menu);
  EXPECT_EQ(Shown(p, "Main_F", "Expect_On.checked Quick_Expect.checked"), "1|1");
  EXPECT_EQ(firstLine(p), "0,0,0,0,1,1,1,10");
  p.run("click Main_F.Quick_Expect");
  EXPECT_EQ(Shown(p, "Main_F", "Quick_Expect.checked") + Shown(p, "var", "QuickExpectOn"), "00");
  EXPECT_EQ(firstLine(p), "0,0,0,0,1,1,0,10");
}
