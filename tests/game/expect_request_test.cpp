#include <gtest/gtest.h>

#include "../support/predict_support.h"

namespace {

const std::string NotYet = "msgbox stop ok \"00 Varnet\" \"予想開始は1ラウンド以上からです。\"\n";
const std::string Already = "msgbox stop ok \"00 Varnet\" \"予想済みです。\"\n";

// Whether a prediction stands, and the Expect button's colour.
std::string standing(TestProgram& p) {
  return Shown(p, "var", "ExpectDone") + "|" + Shown(p, "Main_F", "Expect.back");
}

}  // namespace

TEST(ExpectRequest, RefusedUntilOneFullRoundOfTheActivePockets) {
  for (int pockets : {38, 37}) {
    TestProgram p{Silent(pockets), SettingsFile({})};
    p.spin(0, pockets - 1);
    EXPECT_EQ(p.run("click Main_F.Expect"), NotYet) << pockets;
    EXPECT_EQ(standing(p), "0|buttonface");
    p.spin(0);
    EXPECT_EQ(p.run("click Main_F.Expect"), "") << pockets;
    EXPECT_EQ(standing(p), "1|#80FFFF");
  }
}

TEST(ExpectRequest, ASecondRequestIsRefusedAndChangesNothing) {
  TestProgram p{Silent(), SettingsFile({})};
  p.spin(1, 38);
  EXPECT_EQ(p.run("click Main_F.Expect"), "");
  const std::string flags = Black_or_Red_F(p.app()).Hit_Hantei_Red.text();
  p.run("random 0.9995 0.9995 0.9995 0.9995");
  EXPECT_EQ(p.run("click Main_F.Expect"), Already);
  // Nothing was drawn again: the queued values are still there.
  EXPECT_EQ(Black_or_Red_F(p.app()).Hit_Hantei_Red.text(), flags);
  EXPECT_EQ(p.app().services.random->uniform(), 0.9995f);
}

TEST(ExpectRequest, QuickExpectReadBeforeTheDrawShowsThePredictionAtOnce) {
  TestProgram p{{"Data/Files/USER.FIL", "38,1,0\r\n"}, SettingsFile({.quick = 0})};
  SpinFirstNumbers(p, 18, 5);  // 90 spins, two rounds, eighteen numbers come out
  // Changed on disk while the program runs: the next prediction uses it.
  p.writeFile("Data/Files/USER2.FIL", Settings({.quick = 1}));
  EXPECT_EQ(p.run("click Main_F.Expect"), "sound Data/Sound/Expect_END.wav\n");
  EXPECT_EQ(p.app().vars.QuickExpectOn, 1);
  EXPECT_EQ(PredictedNumbers(p.app()), Numbers(1, 18));
  EXPECT_EQ(LitNumbers(p.app()), Numbers(1, 18));
  EXPECT_EQ(p.run("get Main_F.Play.enabled\nget Point_F.Status_L.caption\n"
                  "get Black_or_Red_F.B_OR_R_L.caption"),
            "Main_F.Play.enabled=0\nPoint_F.Status_L.caption=予想済み\n"
            "Black_or_Red_F.B_OR_R_L.caption=予想済み\n");
}

TEST(ExpectRequest, TheButtonShowsWhetherAPredictionStandsAfterALoadOrAnUndo) {
  TestProgram p{Silent(), SettingsFile({})};
  SpinFirstNumbers(p, 38, 1);
  p.run("click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(1)");  // nothing stands

  p.run("click Main_F.Expect");
  ASSERT_EQ(standing(p), "1|#80FFFF");
  p.run("answer yes\nclick Save_Load_F.Load(1)");
  EXPECT_EQ(standing(p), "0|buttonface");
  p.run("click Save_Load_F.Command1");

  // A prediction made after a spin goes again when the spin is taken back.
  p.spin(5);
  p.run("click Main_F.Expect");
  ASSERT_EQ(standing(p), "1|#80FFFF");
  p.run("click Main_F.Count_M(5)");
  EXPECT_EQ(standing(p), "0|buttonface");
}
