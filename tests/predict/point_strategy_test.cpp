#include <gtest/gtest.h>

#include "../support/predict_support.h"
#include "core/numeric.h"

namespace {

std::string status(TestProgram& p) {
  return Point_F(p.app()).Status_L.caption();
}

}  // namespace

TEST(PointStrategy, TwoRoundsBeforeTheFirstDraw) {
  struct Case {
    int pockets, lastRefused;
  };
  for (Case c : {Case{38, 74}, Case{37, 72}}) {
    TestProgram p{Silent(c.pockets), SettingsFile({})};
    SpinFirstNumbers(p, 18, 4);
    p.spin(0, c.lastRefused - 72);
    p.run("click Main_F.Expect");
    EXPECT_EQ(status(p), "2Round から") << c.pockets;
    EXPECT_EQ(p.app().vars.PointExpectVoid, 1);
    EXPECT_EQ(PredictedNumbers(p.app()), "");

    // The verdict of a prediction that made no draw: nothing counted, nothing held.
    p.spin(0);
    EXPECT_EQ(status(p), "予想結果なし");
    EXPECT_EQ(p.app().vars.PointExpectVoid, 0);
    EXPECT_EQ(Point_F(p.app()).Out_T.text(), "0");
    EXPECT_EQ(p.main().Round_T.text(), "2");
    p.run("click Main_F.Expect");
    EXPECT_EQ(status(p), "予想済み") << c.pockets;
    EXPECT_EQ(PredictedNumbers(p.app()), Numbers(1, 18));
    EXPECT_EQ(Point_F(p.app()).Ex_Limit.caption(), "10");
  }
}

TEST(PointStrategy, PointsAndRunningSums) {
  TestProgram p{Silent(), SettingsFile({})};
  SpinFirstNumbers(p, 18, 4);
  p.spin(0, 3);  // number 1: 7 of 75 spins, numbers 2..18: 4 each
  p.run("click Main_F.Expect");
  PointForm& f = Point_F(p.app());
  EXPECT_EQ(f.Point_One(1).text(), "93");
  EXPECT_EQ(f.Point_One(2).text(), "53");
  EXPECT_EQ(f.Point_One(19).text(), "0");
  EXPECT_EQ(f.Point_Total(2).text(), "146");
  EXPECT_EQ(f.Point_Total(18).text(), "994");
  EXPECT_EQ(f.Point_Total(36).text(), "994");
}

// With exactly eighteen numbers come out the draw must take all of them, so the sets do
// not depend on the random values: the frequent mode draws those, the due mode the others.
TEST(PointStrategy, TheLimitHoldsTheDrawnSetAndTheModeTakesTheNextDraw) {
  TestProgram p{Silent(), SettingsFile({.limit = 3})};
  p.run("click Main_F.Point_C");
  SpinFirstNumbers(p, 18, 5);
  p.run("click Main_F.Expect");
  EXPECT_EQ(Point_F(p.app()).Ex_Limit.caption(), "3");
  // The mode is read at the next draw; the held set stays as it was.
  p.run("click Point_F.Mode2");
  for (const char* left : {"リミット 2", "リミット 1"}) {
    p.spin(36);
    p.run("click Main_F.Expect");
    EXPECT_EQ(status(p), left);
    EXPECT_EQ(PredictedNumbers(p.app()), Numbers(1, 18));
  }
  p.spin(36);
  EXPECT_EQ(Point_F(p.app()).Ex_Limit.caption(), "0");
  p.run("click Main_F.Expect");
  EXPECT_EQ(status(p), "予想済み");
  EXPECT_EQ(PredictedNumbers(p.app()), Numbers(19, 36));
  EXPECT_EQ(Point_F(p.app()).Ex_Limit.caption(), "3");
}

TEST(PointStrategy, VerdictsAndWinRate) {
  TestProgram p{Silent(), SettingsFile({.limit = 38})};
  SpinFirstNumbers(p, 18, 5);
  PointForm& f = Point_F(p.app());
  const auto judge = [&](int index) {
    p.run("click Main_F.Expect");
    p.spin(index);
  };
  judge(4);  // 5 predicted
  EXPECT_EQ(f.Status_L.caption(), "予想的中 !");
  EXPECT_EQ(f.Status_L.back(), Colour::rgb(0xFFFF00));
  EXPECT_TRUE(f.Image1.visible());
  EXPECT_EQ(f.Win_Rate.text(), "100%");
  judge(29);  // 30 not predicted
  EXPECT_EQ(f.Status_L.caption(), "予想アウト");
  EXPECT_FALSE(f.Image1.visible());
  judge(0);
  EXPECT_EQ(f.Hit_T.text(), "2");
  EXPECT_EQ(f.Out_T.text(), "1");
  EXPECT_EQ(f.Win_Rate.text(), "66.7%");

  judge(36);
  EXPECT_EQ(f.Status_L.caption(), "0 ﾋｯﾄ");
  EXPECT_EQ(f.Status_L.fore(), Colour::rgb(0x008000));
  judge(37);
  EXPECT_EQ(f.Status_L.caption(), "00 ﾋｯﾄ");
  EXPECT_EQ(f.Status_L.fore(), Colour::rgb(0x0000C0));
  EXPECT_EQ(f.Hit_T.text(), "2");
  EXPECT_EQ(f.Out_T.text(), "1");
  // The held set was judged every time.
  EXPECT_EQ(PredictedNumbers(p.app()), Numbers(1, 18));

  // A spin without a prediction: no verdict, the lamps go out, the set stays.
  p.spin(5);
  EXPECT_EQ(f.Status_L.caption(), "予想結果なし");
  EXPECT_EQ(LitNumbers(p.app()), "");
  EXPECT_EQ(PredictedNumbers(p.app()), Numbers(1, 18));
  EXPECT_EQ(f.Hit_T.text(), "2");
}

TEST(PointStrategy, FewerThanEighteenNumbersCannotBePredicted) {
  TestProgram p{Silent(), SettingsFile({.limit = 5})};
  SpinFirstNumbers(p, 17, 5);
  p.run("click Main_F.Expect");
  EXPECT_EQ(status(p), "予想不可");
  EXPECT_EQ(p.app().vars.PointExpectVoid, 1);
  p.spin(0);
  EXPECT_EQ(status(p), "予想結果なし");
  // The refused draw started the hold, which holds no numbers: its verdicts count nothing.
  p.run("click Main_F.Expect");
  EXPECT_EQ(status(p), "リミット 4");
  p.spin(20);
  EXPECT_EQ(status(p), "予想結果なし");
  EXPECT_EQ(Point_F(p.app()).Out_T.text(), "0");
  // Only the colour was judged, at both spins.
  TotalForm& total = Total_F(p.app());
  EXPECT_EQ(Val(total.Expect_Hit.text()) + Val(total.Expect_Out.text()), 2);
}

TEST(PointStrategy, NumbersWithHitsButNoPointCannotBeDrawn) {
  // After 1021 spins a number seen once has point Int(1 / 1021 x 1000) = 0: only seventeen
  // numbers can be drawn, so the draw is refused instead of never ending.
  TestProgram p{Silent(), SettingsFile({})};
  SpinFirstNumbers(p, 17, 60);
  p.spin(17);
  p.run("click Main_F.Expect");
  EXPECT_EQ(Point_F(p.app()).Point_One(18).text(), "0");
  EXPECT_EQ(status(p), "予想不可");
  EXPECT_EQ(PredictedNumbers(p.app()), "");
}

TEST(PointStrategy, APredictionStandingThroughAClearCountsNothing) {
  TestProgram p{Silent(), SettingsFile({})};
  SpinFirstNumbers(p, 18, 5);
  p.run("click Main_F.Expect");
  p.run("answer yes\nclick Main_F.Clear");
  EXPECT_EQ(p.app().vars.ExpectDone, 1);
  p.spin(3);
  EXPECT_EQ(status(p), "予想結果なし");
  EXPECT_EQ(Point_F(p.app()).Out_T.text(), "0");
  EXPECT_EQ(Total_F(p.app()).Expect_Out.text(), "0");
}

TEST(PointStrategy, LimitButtonsKeepTheLimitWithinOneToThirtyEight) {
  TestProgram p{{"Data/Files/USER.FIL", "38,1,0\r\n"}, SettingsFile({.limit = 37})};
  PointForm& f = Point_F(p.app());
  p.run("click Main_F.Point_C");
  EXPECT_EQ(p.run("click Point_F.UP_1"), "sound Data/Sound/Menu.wav\n");
  EXPECT_EQ(f.Limit_C.caption(), "38");
  EXPECT_EQ(f.Ex_Limit.caption(), "38");
  EXPECT_EQ(p.run("click Point_F.UP_1"), "");
  EXPECT_EQ(f.Limit_C.caption(), "38");
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL").substr(0, 17), "0,0,1,0,0,1,1,38\r");

  p.run("click Point_F.Down_1");
  EXPECT_EQ(f.Ex_Limit.caption(), "37");
  EXPECT_EQ(p.app().vars.PointLimit, 37);
  for (int i = 0; i < 40; ++i) p.run("click Point_F.Down_1");
  EXPECT_EQ(f.Limit_C.caption(), "1");
  EXPECT_EQ(p.run("click Point_F.Down_1"), "");
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL").substr(0, 16), "0,0,1,0,0,1,1,1\r");
}

TEST(PointStrategy, ModeItemsAndWindowLoadFollowTheSettings) {
  TestProgram p{{"Data/Files/USER.FIL", "38,1,0\r\n"}, SettingsFile({.mode = 2, .limit = 5})};
  PointForm& f = Point_F(p.app());
  EXPECT_TRUE(f.topmost());
  EXPECT_FALSE(f.Mode1.checked());
  EXPECT_TRUE(f.Mode2.checked());
  EXPECT_EQ(f.Limit_C.caption(), "5");
  EXPECT_EQ(f.Ex_Limit.caption(), "5");

  p.run("click Main_F.Point_C");
  EXPECT_EQ(p.run("click Point_F.Mode1"), "");
  EXPECT_TRUE(f.Mode1.checked());
  EXPECT_FALSE(f.Mode2.checked());
  EXPECT_EQ(p.app().vars.PointMode, 1);
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL").substr(0, 16), "0,0,1,0,0,1,1,5\r");
  p.run("click Point_F.Mode2");
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL").substr(0, 16), "0,0,1,0,0,2,1,5\r");
}
