#include <gtest/gtest.h>

#include "../support/area_sets.h"
#include "../support/test_program.h"
#include "core/number_index.h"

namespace {

const std::string Refusal = "msgbox info ok \"00 Varnet\" \"エリアセットを完了してください。\"\n";

// Window shown, sound on; the saved set puts every number in area 6.
TestProgram programWithAreaWindow() {
  AreaOf all{};
  all.fill(6);
  return TestProgram({{"Data/Files/USER2.FIL", User2File(all, "1,1,0,0,0,1,0,10")}});
}

std::string cell(int k, int i) {
  return "click Area_F.Area" + std::to_string(k) + "_Deme(" + std::to_string(i) + ")";
}

}  // namespace

TEST(AreaEdit, StartEmptiesTheAreasAndShowsThePool) {
  TestProgram p = programWithAreaWindow();
  AreaForm& a = Area_F(p.app());
  const std::string saved = p.readFile("Data/Files/USER2.FIL");
  ASSERT_EQ(a.Deme_C_L(6).caption(), "38");

  EXPECT_EQ(p.run("answer yes\nclick Area_F.Area_Set"),
            "beep\nmsgbox question yesno \"00 Varnet\" "
            "\"現在のAreaのセットはすべてクリアされます。\\n\\rよろしいですか?\"\nanswer yes\n"
            "sound Data/Sound/BGM1.wav\n");
  auto& v = p.app().vars;
  EXPECT_EQ(v.AreaEditing, 1);
  EXPECT_EQ(
      Shown(p, "Area_F", "Area_Frame.visible Set_B.visible Deme_C_L(6).caption Hit_Rate(6).text"),
      "0|0|0|0");
  EXPECT_FALSE(Black_or_Red_F(p.app()).visible());
  EXPECT_TRUE(a.visible());
  for (int i = 1; i <= 38; ++i) {
    EXPECT_TRUE(a.Deme(i).visible()) << i;
    EXPECT_EQ(v.AreaMember(6)(i - 1), 0) << i;
    EXPECT_EQ(a.AreaDeme(6)(i).back(), LightColour(ColourClassOf(i - 1))) << i;
  }
  // The old set stays on disk until the new one is saved.
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL"), saved);
}

TEST(AreaEdit, StartIsRefusedAfterASpinWhileEditingAndOnNo) {
  TestProgram p = programWithAreaWindow();
  auto& v = p.app().vars;
  EXPECT_EQ(p.run("answer no\nclick Area_F.Area_Set"),
            "beep\nmsgbox question yesno \"00 Varnet\" "
            "\"現在のAreaのセットはすべてクリアされます。\\n\\rよろしいですか?\"\nanswer no\n");
  EXPECT_EQ(Shown(p, "var", "AreaEditing AreaMember6(0)"), "0|1");
  EXPECT_TRUE(Black_or_Red_F(p.app()).visible());

  // Clicks outside an edit do nothing at all.
  EXPECT_EQ(p.run(cell(1, 1)), "");
  EXPECT_EQ(v.AreaMember(1)(0), 0);

  p.run("answer yes\nclick Area_F.Area_Set");
  EXPECT_EQ(p.run("click Area_F.Area_Set"), "beep\n" + Refusal);

  TestProgram q = programWithAreaWindow();
  q.spin(3);
  EXPECT_EQ(q.run("click Area_F.Area_Set"),
            "beep\nmsgbox info ok \"00 Varnet\" "
            "\"Areaのセットはメニューの File→Clear を実行してください。\"\n");
  EXPECT_EQ(Shown(q, "var", "AreaEditing AreaMember6(3)"), "0|1");
}

TEST(AreaEdit, CellClicksMoveNumbersBetweenPoolAndAreas) {
  TestProgram p = programWithAreaWindow();
  auto& v = p.app().vars;
  p.run("answer yes\nclick Area_F.Area_Set");

  // Area 2 and area 5 of "0", the count of each, and "0" in the pool.
  const std::string zero =
      "Area2_Deme(37).back Deme_C_L(2).caption Area5_Deme(37).back Deme_C_L(5).caption "
      "Deme(37).visible";
  EXPECT_EQ(p.run(cell(2, 37)), "sound Data/Sound/BGM1.wav\n");  // "0"
  EXPECT_EQ(Shown(p, "Area_F", zero), "#008000|1|#C0FFC0|0|0");
  EXPECT_EQ(Shown(p, "var", "AreaMember2(36) AreaAssigned(36) CurrentIndex ColourClass"),
            "1|1|36|" + std::to_string(ZeroClass));

  // Another area cannot take it; its own area gives it back to the pool.
  EXPECT_EQ(p.run(cell(5, 37)), "msgbox stop ok \"00 Varnet\" \"選択済みです。\"\n");
  EXPECT_EQ(Shown(p, "Area_F", zero), "#008000|1|#C0FFC0|0|0");
  EXPECT_EQ(v.AreaMember(5)(36), 0);
  p.run(cell(2, 37));
  EXPECT_EQ(Shown(p, "Area_F", zero), "#C0FFC0|0|#C0FFC0|0|1");
  EXPECT_EQ(Shown(p, "var", "AreaMember2(36) AreaAssigned(36)"), "0|0");
  EXPECT_EQ(p.run(cell(5, 37)), "sound Data/Sound/BGM1.wav\n");
  EXPECT_EQ(v.AreaMember(5)(36), 1);
}

TEST(AreaEdit, CompleteSetShowsSaveAndSavingWritesTheNewSet) {
  TestProgram p = programWithAreaWindow();
  auto& v = p.app().vars;
  AreaForm& a = Area_F(p.app());
  p.run("click Main_F.OR\nanswer yes\nclick Area_F.Area_Set");  // OR now clear
  const AreaOf wanted = AreasOfSizes({6, 6, 6, 6, 7, 7});
  for (int i = 1; i <= 37; ++i) p.run(cell(wanted[i - 1], i));
  EXPECT_FALSE(a.Set_B.visible());
  EXPECT_EQ(p.run(cell(6, 38)), "sound Data/Sound/BGM1.wav\nsound Data/Sound/Menu.wav\n");
  EXPECT_TRUE(a.Set_B.visible());
  // Taking one number off hides the button again; putting it back shows it again.
  EXPECT_EQ(p.run(cell(1, 1)), "sound Data/Sound/BGM1.wav\n");
  EXPECT_FALSE(a.Set_B.visible());
  EXPECT_EQ(p.run(cell(1, 1)), "sound Data/Sound/BGM1.wav\nsound Data/Sound/Menu.wav\n");

  EXPECT_EQ(p.run("click Area_F.Set_B"), "sound Data/Sound/Expect_END.wav\n");
  EXPECT_EQ(v.AreaEditing, 0);
  EXPECT_EQ(
      Shown(p, "Area_F", "Set_B.visible Area_Frame.visible Hit_Rate(1).text Hit_Rate(6).text"),
      "0|1|15.789474|18.421053");
  for (int i = 0; i <= 37; ++i) EXPECT_EQ(v.AreaAssigned(i), 0);
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL"), User2File(wanted, "0,1,0,0,0,1,0,10"));
  // The status windows come back as the check boxes say.
  EXPECT_TRUE(a.visible());
  EXPECT_FALSE(Black_or_Red_F(p.app()).visible());
  EXPECT_EQ(p.run("click Main_F.Count_P(0)"), "sound Data/Sound/Count.wav\n");
}

TEST(AreaEdit, DoubleZeroMustBePlacedAlsoWithoutTheDoubleZeroPocket) {
  TestProgram p({{"Data/Files/USER.FIL", "37,0,0\r\n"},
                 {"Data/Files/USER2.FIL", User2File(AreaOf{}, "0,1,0,0,0,1,0,10")}});
  AreaForm& a = Area_F(p.app());
  p.run("answer yes\nclick Area_F.Area_Set");
  for (int i = 1; i <= 37; ++i) p.run(cell(3, i));
  EXPECT_FALSE(a.Set_B.visible());
  p.run(cell(3, 38));
  ASSERT_TRUE(a.Set_B.visible());
  p.run("click Area_F.Set_B");
  // All 38 in one area, the other five empty; without 00 the area counts 37.
  EXPECT_EQ(p.app().vars.AreaMember(3)(37), 1);
  EXPECT_EQ(Shown(p, "Area_F", "Deme_C_L(3).caption Hit_Rate(3).text Area3_Deme(38).back"),
            "37|100|#C0C0FF");
}

TEST(AreaEdit, CommandsRefuseWhileEditingExceptWindowSwitchesHelpAndUndo) {
  TestProgram p = programWithAreaWindow();
  p.run("answer yes\nclick Area_F.Area_Set");
  const std::string user = p.readFile("Data/Files/USER.FIL");
  for (const char* command :
       {"Count_P(5)", "Expect", "Quick_Expect", "Expect_On", "Log_B", "Save_Load", "Version",
        "Zero_Check", "Free_Check", "Front_Check", "BGM_Check", "Clear", "Import_Spins"}) {
    EXPECT_EQ(p.run(std::string("click Main_F.") + command), Refusal) << command;
  }
  EXPECT_EQ(p.main().Total.text(), "0");
  EXPECT_EQ(Shown(p, "var", "QuickExpectOn PocketCount SoundOn"), "0|38|1");
  EXPECT_FALSE(Log_F(p.app()).visible());
  EXPECT_EQ(p.readFile("Data/Files/USER.FIL"), user);

  EXPECT_EQ(p.run("click Main_F.Count_M(5)"), "");
  EXPECT_EQ(p.run("click Main_F.Point_C"), "sound Data/Sound/BGM1.wav\n");
  EXPECT_TRUE(Point_F(p.app()).visible());
  EXPECT_EQ(p.run("click Main_F.Help"), "help contents\n");
  EXPECT_EQ(p.app().vars.AreaEditing, 1);
  EXPECT_EQ(p.run("click Main_F.Exit"), "end\n");
  TestProgram closing = programWithAreaWindow();
  closing.run("answer yes\nclick Area_F.Area_Set");
  EXPECT_EQ(closing.run("close Main_F"), "end\n");
}
