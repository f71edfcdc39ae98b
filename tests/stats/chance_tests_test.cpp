#include "stats/chance_tests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "area/area_verdicts.h"
#include "core/number_index.h"
#include "stats/statistics_texts.h"
#include "stats/wheel_order.h"

// Reference tails worked out apart from Boost: the chi-square tail as
// Q(k/2, x/2) = 1 - P(k/2, x/2), with P summed as the series
// x^s e^-x / Gamma(s) * sum_j x^j / (s (s+1) ... (s+j)) in double precision; binomial
// tails as sums of C(n, j) p^j (1-p)^(n-j).
TEST(ChanceTests, ChiSquareTailMatchesIndependentValues) {
  EXPECT_NEAR(ChiSquareUpperTail(52.19, 37), 0.050022155, 1e-8);
  EXPECT_NEAR(ChiSquareUpperTail(50.998, 36), 0.050004442, 1e-8);
  EXPECT_NEAR(ChiSquareUpperTail(3.841458820694124, 1), 0.05, 1e-12);
  // 1 - P loses digits here: the reference holds to about 1e-8 of the value.
  EXPECT_NEAR(ChiSquareUpperTail(100, 37), 1.05217456e-07, 1e-14);
  // No statistic or no degrees of freedom: nothing to see.
  EXPECT_TRUE(ChiSquareUpperTail(0, 37) == 1 && ChiSquareUpperTail(5, 0) == 1);
  // Far out in the tail the p is tiny but never negative or NaN.
  const double far = ChiSquareUpperTail(1e6, 37);
  EXPECT_TRUE(far >= 0 && far < 1e-100) << far;
}

TEST(ChanceTests, EqualChanceFitOfPocketCounts) {
  // No spins: no test.
  const FitTest none = EqualChanceFit(std::vector<long>(38, 0));
  EXPECT_TRUE(none.degrees == 0 && none.p == 1);

  // One spin on one of 38 pockets: 37 pockets at (0 - 1/38)^2 / (1/38) = 1/38 each and
  // one at (37/38)^2 / (1/38) = 37^2/38, together 37 (1 + 37) / 38 = 37.
  std::vector<long> one(38, 0);
  one[5] = 1;
  FitTest t = EqualChanceFit(one);
  EXPECT_NEAR(t.statistic, 37, 1e-9);
  EXPECT_EQ(t.degrees, 37);
  EXPECT_NEAR(t.p, 0.469074446, 1e-8);

  // A perfectly even wheel with 00 off: statistic 0, p 1, 36 degrees of freedom.
  t = EqualChanceFit(std::vector<long>(37, 200));
  EXPECT_TRUE(t.statistic == 0 && t.degrees == 36 && t.p == 1) << t.statistic << " " << t.degrees;

  // 7600 spins, 200 expected per pocket; ten pockets 30 high and ten 30 low:
  // 20 * 30^2 / 200 = 90.
  std::vector<long> big(38, 200);
  for (int i = 0; i < 10; ++i) {
    big[static_cast<std::size_t>(i)] += 30;
    big[static_cast<std::size_t>(37 - i)] -= 30;
  }
  t = EqualChanceFit(big);
  EXPECT_NEAR(t.statistic, 90, 1e-9);
  EXPECT_LT(t.p, 1e-5);
  EXPECT_EQ(EvidenceOf(t.p), Evidence::Strong);
}

TEST(ChanceTests, BinomialTails) {
  // 8 or more of 10 at 1/2: (45 + 10 + 1) / 1024.
  EXPECT_NEAR(BinomialUpperTail(8, 10, 0.5), 0.0546875, 1e-12);
  // 4 or more of 20 at 1/19.
  EXPECT_NEAR(BinomialUpperTail(4, 20, 1.0 / 19), 0.0188686917, 1e-9);
  EXPECT_EQ(BinomialUpperTail(0, 10, 0.5), 1);
  EXPECT_EQ(BinomialUpperTail(11, 10, 0.5), 0);
  EXPECT_NEAR(BinomialUpperTail(10, 10, 0.5), 1.0 / 1024, 1e-15);
  // 5000 and more trials stay exact and finite.
  const double big = BinomialUpperTail(2700, 5200, 0.5);
  EXPECT_TRUE(big > 0 && big < 0.01) << big;

  // The chance that gives 48 or more of 1000 with 80 %.
  const double chance = ChanceReaching(48, 1000, 0.8);
  EXPECT_NEAR(BinomialUpperTail(48, 1000, chance), 0.8, 1e-9);
}

TEST(ChanceTests, EvidenceLevels) {
  EXPECT_EQ(
      (std::vector{EvidenceOf(0.0099), EvidenceOf(0.01), EvidenceOf(0.0499), EvidenceOf(0.05)}),
      (std::vector{Evidence::Strong, Evidence::Weak, Evidence::Weak, Evidence::None}));
}

// A verdict reads the p as the window shows it, never the digits behind it.
TEST(StatisticsTexts, VerdictsFollowThePAsShown) {
  EXPECT_EQ(PText(0.049995), "0.05");
  EXPECT_EQ(EvidenceText(0.049995, "strong", "weak", "none"), "none (p ≥ 0.05)");
  EXPECT_EQ(PText(0.0099996), "0.01");
  EXPECT_EQ(EvidenceText(0.0099996, "strong", "weak", "none"), "weak (0.01 ≤ p < 0.05)");
  EXPECT_EQ(PText(0.00999949), "0.009999");
  EXPECT_EQ(PText(0.012345, 2), "0.012");
  EXPECT_EQ(PText(0.00004), "<0.0001");

  EXPECT_EQ(EValueText(0), "1");
  EXPECT_EQ(EValueText(std::log(0.5)), "0.5");
  EXPECT_EQ(EValueText(std::log(25.43)), "25.4");
  EXPECT_EQ(EValueText(std::log(999999.0)), "1000000");
  EXPECT_EQ(EValueText(std::log(2.4149e7)), "2.41e+07");
  EXPECT_EQ(EValueText(1000), "1.97e+434");  // beyond what a double holds
  EXPECT_EQ(AboutSpinsText(213836), "約 21 万回");
  EXPECT_EQ(AboutSpinsText(38512), "約 3.9 万回");
  EXPECT_EQ(AboutSpinsText(3870), "約 3900 回");
}

TEST(Wheel, OrdersHoldEveryPocketOnceWithTheRightNeighbours) {
  for (int pockets : {37, 38}) {
    const auto order = WheelOrder(pockets);
    std::vector<int> sorted(order.begin(), order.end());
    std::sort(sorted.begin(), sorted.end());
    ASSERT_EQ(static_cast<int>(sorted.size()), pockets);
    for (int i = 0; i < pockets; ++i) EXPECT_EQ(sorted[static_cast<std::size_t>(i)], i);
    EXPECT_EQ(order[0], ZeroIndex);
  }
  // On the double-zero wheel 00 sits between 1 and 27, opposite 0; 2 closes the circle.
  const auto w = WheelOrder(38);
  EXPECT_EQ((std::vector<int>{w[18], w[19], w[20], w[37]}),
            (std::vector<int>{0, DoubleZeroIndex, 26, 1}));
  EXPECT_EQ(WheelOrder(37)[1], 31);  // 32 follows 0
}

TEST(Wheel, SectorsWrapRoundTheWheel) {
  std::vector<long> counts(38, 0);
  counts[0] = 5;   // the first position
  counts[37] = 1;  // the last, next to it round the wheel
  const std::vector<long> s = SectorCounts(counts);
  EXPECT_EQ((std::vector<long>{s[0], s[1], s[2], s[3], s[35], s[36], s[37]}),
            (std::vector<long>{6, 6, 5, 0, 1, 6, 6}));
  // Every result lies in five sectors.
  EXPECT_EQ(std::accumulate(s.begin(), s.end(), 0L), 5 * 6);
}

TEST(AreaVerdicts, UndoTakesBackOnlyTheLastSpinsVerdicts) {
  AreaVerdicts r;
  r.beginSpin();
  r.add(true, 6.0 / 38, 1.68);
  r.beginSpin();
  r.add(false, 7.0 / 38, 0.37);
  r.add(true, 6.0 / 38, 1.68);
  EXPECT_EQ(r.verdicts().size(), 3u);
  EXPECT_TRUE(r.complete(3.36, 0.37));
  r.takeBackSpin();
  ASSERT_EQ(r.verdicts().size(), 1u);
  EXPECT_TRUE(r.verdicts()[0].hit);
  EXPECT_TRUE(r.complete(1.68, 0));
  // A second undo has nothing more to take back.
  r.takeBackSpin();
  EXPECT_EQ(r.verdicts().size(), 1u);
}

TEST(AreaVerdicts, ScoresSumAsShownAndALoadedGamesAreNotCovered) {
  AreaVerdicts r;
  // 0.1 added ten times is not 1 in binary; the window's texts read "1".
  for (int i = 0; i < 10; ++i) r.add(true, 0.5, 0.1);
  EXPECT_TRUE(r.complete(1, 0));
  r.restart(0, 0);
  EXPECT_TRUE(r.verdicts().empty());
  EXPECT_TRUE(r.complete(0, 0));
  r.restart(4.2, 1.3);  // a loaded game with scores of its own
  EXPECT_FALSE(r.complete(4.2, 1.3));
  r.add(true, 0.5, 1);
  EXPECT_FALSE(r.complete(5.2, 1.3));
  EXPECT_EQ(r.verdicts().size(), 1u);
}
