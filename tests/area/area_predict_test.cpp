#include <gtest/gtest.h>

#include "../support/area_sets.h"
#include "../support/test_program.h"
#include "area/area_predict.h"

namespace {

const AreaOf SixSixSix = AreasOfSizes({6, 6, 6, 6, 7, 7});

void setLevels(AreaForm& a, std::initializer_list<const char*> levels) {
  int k = 1;
  for (const char* level : levels) a.Hit_Rate(k++).setText(level);
}

// The levels after one spin in area 3, as the area window shows them.
void exampleLevels(AreaForm& a) {
  setLevels(a, {"15.789474", "16.204986", "13.573408", "15.789474", "18.421053", "18.421053"});
}

int markedArea(AreaForm& a) {
  int marked = 0;
  for (int k = 1; k <= 6; ++k)
    if (a.Expect_H(k).text() == "1") marked = marked == 0 ? k : -1;
  return marked;
}

// The properties named, of row k of the area window: "Win_Rate.text" stands for
// Win_Rate(k).text.
std::string row(TestProgram& p, int k, const std::string& names) {
  std::istringstream in(names);
  std::string of;
  for (std::string name; in >> name;)
    of += name.insert(name.find('.'), "(" + std::to_string(k) + ")") + " ";
  return Shown(p, "Area_F", of);
}

std::string bounds(TestProgram& p) {
  return Shown(p, "Area_F",
               "Expect_Hit_P(1).text Expect_Hit_P(2).text Expect_Hit_P(3).text "
               "Expect_Hit_P(4).text Expect_Hit_P(5).text Expect_Hit_P(6).text");
}

// True when the next draw takes the given queued value, so the step drew no more and no
// less than the values queued before it.
bool nextDrawIs(TestProgram& p, float u) {
  return p.app().services.random->uniform() == u;
}

}  // namespace

TEST(AreaExpect, WeightsBoundsAndTheDraw) {
  TestProgram p({{"Data/Files/USER2.FIL", User2File(SixSixSix)}});
  AreaForm& a = Area_F(p.app());
  exampleLevels(a);
  a.Status_L(2).setCaption("予想アウト");
  a.Hit_Area_L(3).setVisible(true);
  p.run("random 0.5");
  AreaExpectStep(p.app());
  EXPECT_EQ(bounds(p), "160|320|460|620|800|980");
  EXPECT_EQ(markedArea(a), 4);  // pick 491
  EXPECT_EQ(p.app().vars.ExpectArea, 4);
  EXPECT_EQ(Shown(p, "Area_F",
                  "Status_L(7).caption Status_L(7).fore Status_L(2).caption "
                  "Hit_Area_L(3).visible"),
            "予想済み|#00C0C0||0");
  EXPECT_FALSE(a.Expect_Light(4).lit());  // the reveal lights it later

  // Each area takes the picks up to its bound: 160 is area 1's, 161 area 2's.
  p.app().vars.QuickExpectOn = 1;
  const std::pair<const char*, int> picks[] = {
      {"0", 1}, {"0.1627551", 1}, {"0.1637755", 2}, {"0.64", 5}, {"0.99999994", 6}};
  for (const auto& [u, area] : picks) {
    p.run(std::string("random ") + u);
    AreaExpectStep(p.app());
    EXPECT_EQ(markedArea(a), area) << u;
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(a.Expect_Light(k).lit(), k == area) << u;
  }
}

TEST(AreaExpect, LevelsThatRoundToNothingWeighNothing) {
  TestProgram p({{"Data/Files/USER2.FIL", User2File(SixSixSix)}});
  AreaForm& a = Area_F(p.app());
  setLevels(a, {"-3.2", "0.6", "0.5", "0.4", "0", "2.5"});
  p.run("random 0");
  AreaExpectStep(p.app());
  EXPECT_EQ(bounds(p), "0|10|10|10|10|30");
  EXPECT_EQ(markedArea(a), 2);

  // All weights 0: nothing is drawn and no area marked.
  setLevels(a, {"0.5", "0.4", "0", "-1", "0.5", "0.1"});
  p.app().vars.ExpectArea = 0;
  p.run("random 0.25");
  AreaExpectStep(p.app());
  EXPECT_EQ(markedArea(a), 0);
  EXPECT_EQ(a.Expect_Hit_P(6).text(), "0");
  EXPECT_EQ(p.app().vars.ExpectArea, 0);
  EXPECT_TRUE(nextDrawIs(p, 0.25f));
}

TEST(AreaExpect, DrawOnTheLastSpinsAreaStandsWithTheChanceOfItsLevel) {
  TestProgram p({{"Data/Files/USER2.FIL", User2File(SixSixSix)}});
  AreaForm& a = Area_F(p.app());
  exampleLevels(a);
  p.app().vars.LastArea = 4;  // level 15.789474: kept when c > 84

  p.run("random 0.5 0.835 0.1 0.77");  // area 4, c = 84: redraw; area 1 stands
  AreaExpectStep(p.app());
  EXPECT_EQ(markedArea(a), 1);
  EXPECT_EQ(p.app().vars.ExpectArea, 1);
  EXPECT_TRUE(nextDrawIs(p, 0.77f));

  p.run("random 0.5 0.845 0.77");  // c = 85: area 4 stands
  AreaExpectStep(p.app());
  EXPECT_EQ(markedArea(a), 4);
  EXPECT_TRUE(nextDrawIs(p, 0.77f));

  // Twelve draws at most: eleven redraws, then the twelfth stands on area 4 again.
  std::string queue = "random";
  for (int draw = 1; draw <= 11; ++draw) queue += " 0.5 0";
  p.run(queue + " 0.5 0.77");
  AreaExpectStep(p.app());
  EXPECT_EQ(markedArea(a), 4);
  EXPECT_TRUE(nextDrawIs(p, 0.77f));
}

TEST(AreaExpect, AreaOfAllNumbersIsAlwaysDrawnAndKept) {
  AreaOf all{};
  all.fill(5);
  TestProgram p({{"Data/Files/USER2.FIL", User2File(all)}});
  AreaForm& a = Area_F(p.app());
  p.spin(9);
  ASSERT_EQ(p.app().vars.LastArea, 5);
  p.run("random 0 0 0.77");
  AreaExpectStep(p.app());
  EXPECT_EQ(markedArea(a), 5);
  EXPECT_EQ(a.Expect_Hit_P(5).text(), "1000");
  EXPECT_TRUE(nextDrawIs(p, 0.77f));
}

TEST(AreaVerdict, ScoresByAreaSizeAndWinRates) {
  TestProgram p({{"Data/Files/USER2.FIL", User2File(SixSixSix)}});
  AreaForm& a = Area_F(p.app());
  TotalForm& t = Total_F(p.app());
  auto judge = [&](int markedArea, int spinIndex) {
    for (int k = 1; k <= 6; ++k) a.Expect_H(k).setText(k == markedArea ? "1" : "0");
    p.app().vars.CurrentIndex = spinIndex;
    AreaJudgeStep(p.app(), true);
  };

  const std::string verdict = "Status_L.caption Status_L.back Image1.visible";
  judge(1, 2);  // a hit of 6 numbers of 38; area 1's row and the all-areas row agree
  for (int k : {1, 7})
    EXPECT_EQ(row(p, k, "Expect_Hit.text Win_Rate.text " + verdict),
              "1.68|100%|予想的中 !|#FFFF00|1");
  EXPECT_EQ(t.Expect_Hit.text(), "1.68");

  judge(1, 20);  // then a miss
  for (int k : {1, 7})
    EXPECT_EQ(row(p, k, "Expect_Out.text Win_Rate.text " + verdict),
              "0.32|86.2%|予想アウト|buttonface|0");
  EXPECT_EQ(t.Expect_Out.text(), "0.32");

  judge(6, 37);  // a 7-number area holding 00: hit 1.63, added to the all-areas row
  EXPECT_EQ(
      Shown(p, "Area_F", "Expect_Hit(6).text Expect_Hit(7).text Win_Rate(7).text Win_Rate(1).text"),
      "1.63|3.31|90.4%|86.2%");  // Round(3 / 3.32 x 100, 1)
  EXPECT_EQ(t.Expect_Hit.text(), "3.31");

  // No area marked: nothing scores and the status stays as the prediction left it.
  a.Status_L(7).setCaption("予想済み");
  judge(0, 4);
  EXPECT_EQ(row(p, 7, "Status_L.caption Expect_Hit.text Expect_Out.text"), "予想済み|3.31|0.32");
}

TEST(AreaVerdict, SpinWithoutPredictionClearsMarksAndKeepsScores) {
  TestProgram p({{"Data/Files/USER2.FIL", User2File(SixSixSix)}});
  AreaForm& a = Area_F(p.app());
  p.app().vars.QuickExpectOn = 1;
  exampleLevels(a);
  p.run("random 0.5");
  AreaExpectStep(p.app());
  p.app().vars.CurrentIndex = 19;
  AreaJudgeStep(p.app(), true);
  ASSERT_EQ(a.Status_L(4).caption(), "予想的中 !");
  ASSERT_TRUE(a.Expect_Light(4).lit());

  AreaJudgeStep(p.app(), false);
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(row(p, k, "Status_L.caption Image1.visible Expect_H.text"), "|0|0");
    EXPECT_FALSE(a.Expect_Light(k).lit()) << k;
  }
  EXPECT_EQ(Shown(p, "Area_F",
                  "Status_L(7).caption Status_L(7).back Image1(7).visible Expect_Hit(4).text "
                  "Win_Rate(4).text"),
            "予想結果なし|buttonface|0|1.68|100%");
}

TEST(AreaVerdict, LargeAreasEarnLittlePerHit) {
  AreaOf areas{};
  areas.fill(1);
  areas[0] = 2;  // area 1 holds 37 of 38, area 2 only number 1
  TestProgram p({{"Data/Files/USER2.FIL", User2File(areas)}});
  AreaForm& a = Area_F(p.app());
  for (int hit = 1; hit <= 20; ++hit) {
    a.Expect_H(1).setText("1");
    p.app().vars.CurrentIndex = 5;
    AreaJudgeStep(p.app(), true);
    if (hit < 20) {
      ASSERT_EQ(a.Win_Rate(1).text(), "0") << hit;
    }
  }
  EXPECT_EQ(a.Expect_Hit(1).text(), "1");
  EXPECT_EQ(a.Win_Rate(1).text(), "100%");
}

TEST(AreaVerdict, WithoutDoubleZeroScoresLeaveItOut) {
  AreaOf areas = SixSixSix;
  areas[17] = 4;
  areas[37] = 3;  // area 3: 13..17 and 00, five in play of 37
  TestProgram p(
      {{"Data/Files/USER.FIL", "37,0,0\r\n"}, {"Data/Files/USER2.FIL", User2File(areas)}});
  AreaForm& a = Area_F(p.app());
  a.Expect_H(3).setText("1");
  p.app().vars.CurrentIndex = 12;
  AreaJudgeStep(p.app(), true);
  EXPECT_EQ(a.Expect_Hit(3).text(), "1.73");  // Round(2 x 32 / 37, 2)
  a.Expect_H(3).setText("1");
  p.app().vars.CurrentIndex = 0;
  AreaJudgeStep(p.app(), true);
  EXPECT_EQ(a.Expect_Out(3).text(), "0.27");  // Round(2 x 5 / 37, 2)
}
