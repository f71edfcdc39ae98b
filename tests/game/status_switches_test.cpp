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
  for (Form* f : std::initializer_list<Form*>{&Black_or_Red_F(p.app()), &Area_F(p.app()),
                                              &Point_F(p.app()), &Total_F(p.app())})
    EXPECT_TRUE(f->visible()) << FormName(f->id());
  for (const CheckBox* box : {&p.main().OR, &p.main().Area, &p.main().Point_C, &p.main().Total_C})
    EXPECT_EQ(box->value(), 1);

  EXPECT_EQ(p.run("click Main_F.Total_C"), Window);
  EXPECT_FALSE(Total_F(p.app()).visible());
  EXPECT_EQ(p.app().vars.TotalWindowOn, 0);
  EXPECT_EQ(firstLine(p), "1,1,1,0,0,2,0,7");
  // A close box does what clearing the window's check box does, and lasts as that does.
  EXPECT_EQ(p.run("close Point_F"), Window);
  EXPECT_FALSE(Point_F(p.app()).visible());
  EXPECT_EQ(p.main().Point_C.value(), 0);
  EXPECT_EQ(firstLine(p), "1,1,0,0,0,2,0,7");
  EXPECT_EQ(p.run("close Area_F\nclose Black_or_Red_F"), Window + Window);
  EXPECT_EQ(p.main().OR.value() + p.main().Area.value(), 0);
  EXPECT_EQ(firstLine(p), "0,0,0,0,0,2,0,7");
  EXPECT_EQ(p.run("click Main_F.Point_C"), Window);
  EXPECT_TRUE(Point_F(p.app()).visible());
  EXPECT_EQ(p.main().Point_C.value(), 1);
}

TEST(StatusWindows, ExpectCheckAndQuickExpectToggleAndAreStored) {
  TestProgram p{{UserFile, "38,1,0\r\n"}, SettingsFile({.quick = 0})};
  MainForm& m = p.main();
  EXPECT_EQ(p.run("click Main_F.Expect_On"), Menu);
  EXPECT_TRUE(m.Expect_On.checked());
  EXPECT_EQ(p.run("click Main_F.Quick_Expect"), Menu);
  EXPECT_TRUE(m.Quick_Expect.checked());
  EXPECT_EQ(firstLine(p), "0,0,0,0,1,1,1,10");
  p.run("click Main_F.Quick_Expect");
  EXPECT_FALSE(m.Quick_Expect.checked());
  EXPECT_EQ(p.app().vars.QuickExpectOn, 0);
  EXPECT_EQ(firstLine(p), "0,0,0,0,1,1,0,10");
}
