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
    EXPECT_EQ(status(p) + Shown(p, "var", "PointExpectVoid"), "2Round から1") << c.pockets;
    EXPECT_EQ(PredictedNumbers(p.app()), "");

    // The verdict of a prediction that made no draw: nothing counted, nothing held.
    p.spin(0);
    EXPECT_EQ(
        Shown(p, "Point_F", "Status_L.caption Out_T.text") + Shown(p, "var", "PointExpectVoid"),
        "予想結果なし|00");
    EXPECT_EQ(p.main().Round_T.text(), "2");
    p.run("click Main_F.Expect");
    EXPECT_EQ(Shown(p, "Point_F", "Status_L.caption Ex_Limit.caption"), "予想済み|10") << c.pockets;
    EXPECT_EQ(PredictedNumbers(p.app()), Numbers(1, 18));
  }
}

TEST(PointStrategy, PointsAndRunningSums) {
  TestProgram p{Silent(), SettingsFile({})};
  SpinFirstNumbers(p, 18, 4);
  p.spin(0, 3);  // number 1: 7 of 75 spins, numbers 2..18: 4 each
  p.run("click Main_F.Expect");
  EXPECT_EQ(Shown(p, "Point_F",
                  "Point_One(1).text Point_One(2).text Point_One(19).text Point_Total(2).text "
                  "Point_Total(18).text Point_Total(36).text"),
            "93|53|0|146|994|994");
}

TEST(PointStrategy, VerdictsAndWinRate) {
  TestProgram p{Silent(), SettingsFile({.limit = 38})};
  SpinFirstNumbers(p, 18, 5);
  const auto judge = [&](int index) {
    p.run("click Main_F.Expect");
    p.spin(index);
  };
  const std::string verdict = "Status_L.caption Status_L.fore Status_L.back Image1.visible";
  judge(4);  // 5 predicted
  EXPECT_EQ(Shown(p, "Point_F", verdict + " Win_Rate.text"), "予想的中 !|#FF0000|#FFFF00|1|100%");
  judge(29);  // 30 not predicted
  EXPECT_EQ(Shown(p, "Point_F", verdict), "予想アウト|buttontext|buttonface|0");
  judge(0);
  EXPECT_EQ(Shown(p, "Point_F", "Hit_T.text Out_T.text Win_Rate.text"), "2|1|66.7%");
  judge(36);
  EXPECT_EQ(Shown(p, "Point_F", verdict), "0 ﾋｯﾄ|#008000|buttonface|0");
  judge(37);
  EXPECT_EQ(Shown(p, "Point_F", verdict + " Hit_T.text Out_T.text"),
            "00 ﾋｯﾄ|#0000C0|buttonface|0|2|1");
  // The held set was judged every time.
  EXPECT_EQ(PredictedNumbers(p.app()), Numbers(1, 18));

  // A spin without a prediction: no verdict, the lamps go out, the set stays.
  p.spin(5);
  EXPECT_EQ(Shown(p, "Point_F", "Status_L.caption Hit_T.text"), "予想結果なし|2");
  EXPECT_EQ(LitNumbers(p.app()), "");
  EXPECT_EQ(PredictedNumbers(p.app()), Numbers(1, 18));
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
  p.run("click Main_F.Point_C");
  const std::string limit = "Limit_C.caption Ex_Limit.caption";
  EXPECT_EQ(p.run("click Point_F.UP_1"), "sound Data/Sound/Menu.wav\n");
  EXPECT_EQ(Shown(p, "Point_F", limit), "38|38");
  EXPECT_EQ(p.run("click Point_F.UP_1"), "");
  EXPECT_EQ(Shown(p, "Point_F", limit), "38|38");
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL").substr(0, 17), "0,0,1,0,0,1,1,38\r");

  p.run("click Point_F.Down_1");
  EXPECT_EQ(Shown(p, "Point_F", limit), "37|37");
  EXPECT_EQ(p.app().vars.PointLimit, 37);
  for (int i = 0; i < 40; ++i) p.run("click Point_F.Down_1");
  EXPECT_EQ(p.run("click Point_F.Down_1"), "");
  EXPECT_EQ(Shown(p, "Point_F", limit), "1|1");
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL").substr(0, 16), "0,0,1,0,0,1,1,1\r");
}

TEST(PointStrategy, ModeItemsAndWindowLoadFollowTheSettings) {
  TestProgram p{{"Data/Files/USER.FIL", "38,1,0\r\n"}, SettingsFile({.mode = 2, .limit = 5})};
  PointForm& f = Point_F(p.app());
  EXPECT_TRUE(f.topmost());
  EXPECT_EQ(Shown(p, "Point_F", "Mode1.checked Mode2.checked Limit_C.caption Ex_Limit.caption"),
            "0|1|5|5");
  p.run("click Main_F.Point_C");
  EXPECT_EQ(p.run("click Point_F.Mode1"), "");
  EXPECT_EQ(Shown(p, "Point_F", "Mode1.checked Mode2.checked"), "1|0");
  EXPECT_EQ(p.app().vars.PointMode, 1);
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL").substr(0, 16), "0,0,1,0,0,1,1,5\r");
  p.run("click Point_F.Mode2");
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL").substr(0, 16), "0,0,1,0,0,2,1,5\r");
}
