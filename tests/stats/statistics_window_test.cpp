#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "../support/area_sets.h"
#include "../support/predict_support.h"
#include "core/number_index.h"
#include "stats/statistics_window.h"

namespace {

StatisticsForm& openStats(TestProgram& p) {
  p.run("click Main_F.Stats");
  return Stats_F(p.app());
}

// Lays down spins as the main window and the log hold them, without recording each (which
// writes the game's files every time).
void layDown(TestProgram& p, const std::vector<int>& spins) {
  std::array<long, 38> counts{};
  for (std::size_t k = 0; k < spins.size(); ++k) {
    ++counts[static_cast<std::size_t>(spins[k])];
    p.app().vars.SpinLog(static_cast<int>(k + 1)) = spins[k] + 1;
  }
  for (int i = 0; i < 38; ++i)
    p.main().Hit_Count(i).setText(std::to_string(counts[static_cast<std::size_t>(i)]));
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
  openStats(p);
  p.spin(6);
  EXPECT_EQ(Shown(p, "Stats_F", "Spins.text Count(7).text"), "4|4");
  p.run("answer yes\nclick Main_F.Clear");
  EXPECT_EQ(
      Shown(p, "Stats_F", "Spins.text Evidence.text Chi_Square.text Evidence_Verdict.caption"),
      "0|1||まだスピンの記録がありません。");

  // Closed, it is no longer brought up to date, and nothing loads it again.
  p.run("close Stats_F");
  p.spin(3);
  EXPECT_EQ(p.run("form Stats_F"), "Stats_F loaded=0 visible=0 topmost=0\n");
}

TEST(StatsWindow, NoPIsShownBeforeItCanMeanAnything) {
  TestProgram p{Silent()};
  StatisticsForm& s = openStats(p);
  p.spin(ZeroIndex);
  // One spin: chi-square is always 37, whatever came out.
  EXPECT_EQ(Shown(p, "Stats_F", "Chi_Square.text Chi_P.text Sector_P.text"), "37|—|—");
  EXPECT_EQ(s.Chi_Verdict.caption(),
            "χ² 検定は各ポケットの期待回数が5回に届く190回から使えます (あと189回)。");
  EXPECT_EQ(Shown(p, "Stats_F", "Holdout_Note.caption Tests_Note.caption"),
            "前半のスピンがまだありません。|p を示す検定はまだありません。");
  // Zero loses every outside bet.
  EXPECT_EQ(Shown(p, "Stats_F", "Bet_Count(7).text Bet_Chance(7).text"), "0|47.4%");
  // Two spins, one of them earlier: one later spin on the named pocket would be evidence,
  // but not on the nine pockets of the sectors that tie.
  p.spin(16);
  EXPECT_EQ(Shown(p, "Stats_F",
                  "Holdout_Named(1).caption Holdout_P(1).text "
                  "Holdout_Named(2).caption Holdout_P(2).text"),
            "0|1|23 35 14 2 0 28 9 26 30|—");
}

TEST(StatsWindow, FiftySpinsOnOneNumberAgreeAcrossTheWindow) {
  TestProgram p{Silent()};
  layDown(p, std::vector<int>(50, 16));  // 17
  StatisticsForm& s = openStats(p);
  EXPECT_TRUE(s.Evidence_Verdict.caption().starts_with("公平なホイールに対する強い証拠があります"))
      << s.Evidence_Verdict.caption();
  // The chi-square cannot be used yet, and says so without judging the wheel.
  EXPECT_EQ(s.Chi_P.text(), "—");
  // Every sector that holds 17 holds all 50: all five are named.
  EXPECT_EQ(Shown(p, "Stats_F", "Sector_Pockets.caption Sector_Count.text"),
            "同数の5セクター、中心 20 32 17 5 22|50");
  EXPECT_EQ(s.Sector_Verdict.caption(),
            "このセクターに偏りの強い証拠があります (補正後 p < 0.01)。");
  // Named on the first 25 spins, 17 takes all 25 later ones too.
  EXPECT_EQ(
      Shown(p, "Stats_F",
            "Holdout_Named(1).caption Holdout_Later(1).text Holdout_P(1).text Winning(17).text"),
      "17|25|<0.0001|100%");
  EXPECT_EQ(s.Tests_Note.caption().find("p を示す検定はこの窓に3つ"), 0u);

  p.run("click Stats_F.Sort_Rate");  // 17, then the rest in number order
  EXPECT_EQ(Shown(p, "Stats_F", "Pocket(1).caption Pocket(2).caption"), "17|1");
}

TEST(StatsWindow, AHotPocketOfTheEarlierSpinsIsTestedOnTheLaterOnes) {
  TestProgram p{Silent()};
  // Earlier: 10 on 17 and 90 spread over the other numbers; later: 12 on 17 and 88 spread.
  std::vector<int> spins(10, 16);
  for (int k = 0; k < 90; ++k) spins.push_back(k % 36 == 16 ? 17 : k % 36);
  for (int k = 0; k < 100; ++k) spins.push_back(k < 12 ? 16 : (k % 35 + 17) % 36);
  layDown(p, spins);
  StatisticsForm& s = openStats(p);
  EXPECT_EQ(s.Holdout_Note.caption(),
            "前半 100 回で最も多かったものを、後半 100 回で確かめます (同数はまとめて)。");
  // P(X >= 12) for X binomial(100, 1/38), summed apart: 1.354e-5.
  EXPECT_EQ(Shown(p, "Stats_F",
                  "Holdout_Named(1).caption Holdout_Later(1).text "
                  "Holdout_Expected(1).text Holdout_P(1).text"),
            "17|12|2.63|<0.0001");
  EXPECT_EQ(s.Holdout_Verdict(PocketHoldout).caption(),
            "後半でも多く、偏りの強い証拠があります (p < 0.01)。");
}

TEST(StatsWindow, Without00TheWheelHas37PocketsButStray00SpinsCountWithAWarning) {
  {
    TestProgram p{Silent(37)};
    openStats(p);
    p.spin(31);  // 32, next to zero on this wheel; 18 of 37 win an outside bet
    EXPECT_EQ(Shown(p, "Stats_F",
                    "Chi_DF.text Pocket(38).visible Wheel_Pocket(2).caption "
                    "Bet_Chance(7).text Model_Note.caption"),
              "36|0|32|48.6%|");
  }
  // A game with spins on 00, loaded while 00 is off: none is dropped.
  TestProgram p{Silent()};
  p.spin(DoubleZeroIndex, 2);
  p.spin(4, 3);
  p.run(
      "click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(1)\nanswer yes\nclick "
      "Main_F.Clear\nclick Main_F.Zero_Check\nanswer yes\nclick Save_Load_F.Load(1)");
  openStats(p);
  EXPECT_EQ(Shown(p, "Stats_F",
                  "Spins.text Chi_DF.text Pocket(38).visible Count(38).text Model_Note.caption"),
            "5|37|1|2|00 を外したゲームに 00 が 2 回: それも数え、38 "
            "ポケットのホイールとして判定しています。");
}

TEST(StatsWindow, StrategiesAreJudgedAgainstABlindGuessAndAgainstBreakingEven) {
  TestProgram p{Silent()};
  Point_F(p.app()).Hit_T.setText("8");
  Point_F(p.app()).Out_T.setText("2");
  StatisticsForm& s = openStats(p);
  // A bet on 18 numbers at 36 for 1, lost on 0 and 00 too, breaks even at 19 of 36; 8 hits
  // returning 36/18 each on 10 units, less a fair share for 0 and 00, are 8 * 36/19 / 10.
  // 8 of 10 is no evidence for a player who may look after every verdict.
  EXPECT_EQ(
      Shown(p, "Stats_F",
            "Judged(1).text Hit_Rate(1).text Chance(1).text Break_Even(1).text "
            "Value(1).text Strategy_Verdict(1).caption Judged(2).text Evidence_Chance(2).text"),
      "10|80%|50%|52.8%|+51.6%|偶然を上回る証拠はありません (証拠 < 20)。|0|");

  // 700 of 1200 (58.3 %) beats both a blind guess and the house.
  Point_F(p.app()).Hit_T.setText("700");
  Point_F(p.app()).Out_T.setText("500");
  ShowStatistics(p.app());
  EXPECT_EQ(s.Strategy_Verdict(PointRow).caption(),
            "損益分岐を上回る強い証拠があります (証拠 ≥ 20)。");
}

TEST(StatsWindow, AreaVerdictsKeepTheirChanceThroughUndoClearAndLoad) {
  // Area 1 holds the numbers 1..18, area 2 every other pocket.
  TestProgram p{Silent(), {"Data/Files/USER2.FIL", User2File(AreasOfSizes({18, 20}))}};
  StatisticsForm& s = openStats(p);
  predictAreaOne(p);
  p.spin(0);  // 1: in area 1, red
  // 18 of 38 to hit, 18 of 36 to break even; the total holds the Area hit and the colour
  // hit, at 18/38 and 1/2.
  EXPECT_EQ(Shown(p, "Stats_F",
                  "Judged(3).text Hits(3).text Chance(3).text Break_Even(3).text Judged(4).text "
                  "Chance(4).text Record_Note.caption"),
            "1|1|47.4%|50%|2|48.7%|");

  // Undone, the verdict is taken back; the corrected spin is judged once.
  p.run("click Main_F.Count_M(0)");
  EXPECT_EQ(s.Judged(AreaRow).text(), "0");
  p.spin(18);  // 19: in area 2
  EXPECT_EQ(Shown(p, "Stats_F", "Judged(3).text Hits(3).text Value(3).text"), "1|0|-100%");

  // A saved and reloaded game brings Area scores whose chances were never stored; Point
  // and Black or Red keep all theirs.
  p.run(
      "click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(1)\nanswer yes\nclick "
      "Save_Load_F.Load(1)");
  EXPECT_EQ(s.Judged(AreaRow).text(), "0");
  EXPECT_EQ(s.Judged(TotalRow).text(), s.Judged(BlackOrRedRow).text());
  EXPECT_EQ(s.Record_Note.caption(),
            "読み込んだゲームの Area 予想は1件ごとの確率が保存されていないため、Area "
            "は読み込み後の予想だけで、Total は Point と Black or Red "
            "のすべての予想に読み込み後の Area 予想を加えて計算しています。");
  EXPECT_TRUE(s.Strategy_Verdict(AreaRow).caption().starts_with("読み込み後の予想のみ: "));
  EXPECT_TRUE(s.Strategy_Verdict(TotalRow).caption().starts_with("Area は読み込み後のみ: "));

  // After a clear the record covers the game again.
  p.run("answer yes\nclick Main_F.Clear");
  EXPECT_EQ(s.Record_Note.caption(), "");
  EXPECT_EQ(s.Judged(TotalRow).text(), "0");
}
