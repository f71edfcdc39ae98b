#include <gtest/gtest.h>

#include "../support/predict_support.h"
#include "core/number_index.h"

namespace {

StatisticsForm& openStats(TestProgram& p) {
  p.run("click Main_F.Stats");
  return Stats_F(p.app());
}

// Area 1 holds the numbers 1..18, area 2 every other pocket.
std::pair<std::string, std::string> eighteenNumberArea() {
  std::string s = "0,0,0,0,0,1,1,10\r\n";
  for (int i = 0; i < 38; ++i) s += i < 18 ? "1,0,0,0,0,0\r\n" : "0,1,0,0,0,0\r\n";
  return {"Data/Files/USER2.FIL", s};
}

// A round of every pocket, then a prediction of area 1 and red: the first draws land on
// the lowest bound, and the last spin, in area 2, keeps area 1 from being redrawn.
void predictAreaOne(TestProgram& p) {
  for (int i = 0; i < 38; ++i) p.spin(i);
  p.run("random 0 0\nclick Main_F.Expect");
  ASSERT_EQ(Area_F(p.app()).Expect_H(1).text(), "1");
}

}  // namespace

TEST(StatsWindow, HiddenItCostsNothingAndShownItFollowsTheGame) {
  TestProgram p{Silent()};
  p.spin(6, 3);
  EXPECT_EQ(p.app().forms.stats.record(), nullptr);
  StatisticsForm& s = openStats(p);
  EXPECT_EQ(s.Spins.text(), "3");
  p.spin(6);
  EXPECT_EQ(s.Spins.text(), "4");
  EXPECT_EQ(s.Count(7).text(), "4");
  p.run("click Main_F.Count_M(6)");
  EXPECT_EQ(s.Spins.text(), "3");
  p.run("answer yes\nclick Main_F.Clear");
  EXPECT_EQ(s.Spins.text(), "0");
  EXPECT_EQ(s.Chi_Square.text(), "");

  // Closed, it is no longer brought up to date, and nothing loads it again.
  p.run("close Stats_F");
  p.spin(3);
  EXPECT_EQ(p.run("form Stats_F"), "Stats_F loaded=0 visible=0 topmost=0\n");
}

TEST(StatsWindow, NoSpinsOneSpinAndTheNeedForMore) {
  TestProgram p{Silent()};
  StatisticsForm& s = openStats(p);
  EXPECT_EQ(s.Spins.text(), "0");
  EXPECT_EQ(s.Chi_DF.text(), "37");
  EXPECT_EQ(s.Chi_P.text(), "");
  EXPECT_EQ(s.Need.text(), "190");
  EXPECT_EQ(s.Bias_Verdict.caption(), "まだスピンの記録がありません。");
  EXPECT_EQ(s.Sector_P.text(), "");
  EXPECT_EQ(s.Bet_Rate(1).text(), "");
  EXPECT_EQ(s.Bet_Chance(1).text(), "31.6%");  // 12 of 38

  p.spin(ZeroIndex);
  // One result of 38 pockets: 37, with p = Q(18.5, 18.5) = 0.46907.
  EXPECT_EQ(s.Chi_Square.text(), "37");
  EXPECT_EQ(s.Chi_P.text(), "0.4691");
  EXPECT_EQ(s.Expected.text(), "0.03");
  EXPECT_EQ(s.Bias_Verdict.caption(),
            "まだ判定できません。検定があてになるのは各ポケットの期待回数が5回に届く190回から"
            "です (あと189回)。");
  // Zero loses every outside bet.
  for (int b = 1; b <= 12; ++b) EXPECT_EQ(s.Bet_Count(b).text(), "0") << b;
  EXPECT_EQ(s.Bet_Z(7).text(), "-0.95");  // (0 - 18/38) / sqrt(18/38 * 20/38)
}

TEST(StatsWindow, Without00TheWheelHas37PocketsAndItsOwnOrder) {
  TestProgram p{Silent(37)};
  StatisticsForm& s = openStats(p);
  p.spin(31);  // 32, next to zero on this wheel
  EXPECT_EQ(s.Chi_DF.text(), "36");
  EXPECT_EQ(s.Need.text(), "185");
  EXPECT_EQ(s.Chi_Square.text(), "36");
  EXPECT_EQ(s.Chi_P.text(), "0.4686");  // Q(18, 18)
  EXPECT_TRUE(s.Pocket(37).visible());
  EXPECT_FALSE(s.Pocket(38).visible());
  EXPECT_FALSE(s.Wheel_Pocket(38).visible());
  EXPECT_EQ(s.Wheel_Pocket(2).caption(), "32");
  EXPECT_EQ(s.Wheel_Count(2).text(), "1");
  EXPECT_EQ(s.Bet_Chance(7).text(), "48.6%");  // 18 of 37

  // Switching 00 back on (only in an empty game) brings its pocket back into the test.
  p.run("answer yes\nclick Main_F.Clear\nclick Main_F.Zero_Check");
  EXPECT_EQ(s.Chi_DF.text(), "37");
  EXPECT_TRUE(s.Pocket(38).visible());
}

TEST(StatsWindow, AHotSectorStandsOutAndSortingByZPutsItsPocketsFirst) {
  TestProgram p{Silent()};
  // 190 spins: five of every pocket, then 30 more on 32 17 5 22 34 (neighbours on the
  // wheel), 6 each.
  for (int i = 0; i < 38; ++i) p.spin(i, 5);
  for (int n : {32, 17, 5, 22, 34}) p.spin(n - 1, 6);
  StatisticsForm& s = openStats(p);
  EXPECT_EQ(s.Spins.text(), "220");
  EXPECT_EQ(s.Sector_Pockets.caption(), "32 17 5 22 34");
  EXPECT_EQ(s.Sector_Count.text(), "55");
  // 55 or more of 220 at 5/38, times 38 sectors: about 2e-9 * 38.
  EXPECT_EQ(s.Sector_P.text(), "<0.0001");
  EXPECT_EQ(s.Sector_Verdict.caption(),
            "このセクターに偏りの強い証拠があります (補正後 p < 0.01)。");
  // Chi-square: 5 pockets at 11 and 33 at 5 against e = 220/38 each,
  // 5 (11 - e)^2 / e + 33 (5 - e)^2 / e = 27, p = Q(18.5, 13.5) = 0.8865: the test of every
  // pocket alike misses what the sectors show.
  EXPECT_EQ(s.Chi_Square.text(), "27");
  EXPECT_EQ(s.Chi_P.text(), "0.8865");
  EXPECT_EQ(s.Bias_Verdict.caption(), "偏りの証拠はありません (p ≥ 0.05)。");

  EXPECT_EQ(s.Pocket(1).caption(), "1");
  p.run("click Stats_F.Sort_Z");
  EXPECT_EQ(s.Pocket(1).caption(), "5");
  EXPECT_EQ(s.Pocket(5).caption(), "34");
  EXPECT_EQ(s.Count(1).text(), "11");
  EXPECT_EQ(s.Pocket(6).caption(), "1");  // then the rest in number order
}

TEST(StatsWindow, MoreThan5000Spins) {
  TestProgram p{Silent()};
  // 5130 spins: 135 on every pocket, expected 135 each, so the statistic is 0. The counts
  // are laid down as the main window holds them; recording them one by one takes seconds.
  for (int i = 0; i < 38; ++i) p.main().Hit_Count(i).setText("135");
  StatisticsForm& s = openStats(p);
  EXPECT_EQ(s.Spins.text(), "5130");
  EXPECT_EQ(s.Chi_Square.text(), "0");
  EXPECT_EQ(s.Chi_P.text(), "1");
  EXPECT_EQ(s.Bias_Verdict.caption(), "偏りの証拠はありません (p ≥ 0.05)。");
  EXPECT_EQ(s.Z(1).text(), "0");
  EXPECT_EQ(s.Bet_Rate(1).text(), "31.6%");
}

TEST(StatsWindow, PointAndColourAreJudgedAgainstAHalfChance) {
  TestProgram p{Silent()};
  // 8 hits of 10: P(X >= 8) = 56/1024 = 0.0546875.
  Point_F(p.app()).Hit_T.setText("8");
  Point_F(p.app()).Out_T.setText("2");
  StatisticsForm& s = openStats(p);
  EXPECT_EQ(s.Judged(PointRow).text(), "10");
  EXPECT_EQ(s.Hit_Rate(PointRow).text(), "80%");
  EXPECT_EQ(s.Chance(PointRow).text(), "50%");
  EXPECT_EQ(s.Strategy_P(PointRow).text(), "0.05469");
  EXPECT_EQ(s.Interval(PointRow).text(), "44.4% - 97.5%");
  EXPECT_EQ(s.Strategy_Verdict(PointRow).caption(), "偶然と区別できません (p ≥ 0.05)。");
  EXPECT_EQ(s.Judged(BlackOrRedRow).text(), "0");
  EXPECT_EQ(s.Hit_Rate(BlackOrRedRow).text(), "");
  // All strategies together: the Point verdicts alone so far.
  EXPECT_EQ(s.Strategy_P(TotalRow).text(), "0.05469");
}

TEST(StatsWindow, AreaVerdictsKeepTheirChanceThroughUndoClearAndLoad) {
  TestProgram p{Silent(), eighteenNumberArea()};
  StatisticsForm& s = openStats(p);
  predictAreaOne(p);
  p.spin(0);  // 1: in area 1, red
  EXPECT_EQ(s.Judged(AreaRow).text(), "1");
  EXPECT_EQ(s.Hits(AreaRow).text(), "1");
  EXPECT_EQ(s.Chance(AreaRow).text(), "47.4%");  // 18 of 38
  // The Area hit and the colour hit, at 18/38 and 1/2.
  EXPECT_EQ(s.Judged(TotalRow).text(), "2");
  EXPECT_EQ(s.Chance(TotalRow).text(), "48.7%");
  EXPECT_EQ(s.Record_Note.caption(), "");

  // Undone, the verdict is taken back; the corrected spin is judged once.
  p.run("click Main_F.Count_M(0)");
  EXPECT_EQ(s.Judged(AreaRow).text(), "0");
  p.spin(18);  // 19: in area 2
  EXPECT_EQ(s.Judged(AreaRow).text(), "1");
  EXPECT_EQ(s.Hits(AreaRow).text(), "0");
  EXPECT_EQ(s.Strategy_Verdict(AreaRow).caption(), "偶然と区別できません (p ≥ 0.05)。");

  // A saved and reloaded game brings Area scores whose chances were never stored.
  p.run(
      "click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(1)\nanswer yes\nclick "
      "Save_Load_F.Load(1)");
  EXPECT_EQ(s.Judged(AreaRow).text(), "0");
  EXPECT_NE(s.Record_Note.caption(), "");
  EXPECT_EQ(s.Strategy_Verdict(AreaRow).caption().rfind("読み込み後の予想のみ: ", 0), 0u);

  // After a clear the record covers the game again.
  p.run("answer yes\nclick Main_F.Clear");
  EXPECT_EQ(s.Record_Note.caption(), "");
  EXPECT_EQ(s.Judged(TotalRow).text(), "0");
}
