#include "stats/strategy_evidence.h"

#include <gtest/gtest.h>

#include <cmath>

#include "stats/chance_tests.h"

// The bankroll is fair: at the hit chance its factor allows, its expected value after one
// more verdict is its value now, for any chance, factor and record.
TEST(StrategyEvidence, TheBankrollIsAFairBet) {
  for (double chance : {0.5, 18.0 / 38, 1.0 / 38}) {
    for (double factor : {1.0, 38.0 / 36, 0.7}) {
      const VerdictGroup now{chance, 7, 30};
      const double hit = std::exp(LogBettingEvidence({{chance, 8, 30}}, factor));
      const double miss = std::exp(LogBettingEvidence({{chance, 7, 31}}, factor));
      const double p = factor * chance;
      EXPECT_NEAR(p * hit + (1 - p) * miss, std::exp(LogBettingEvidence({now}, factor)), 1e-12);
    }
  }
  // Groups multiply: the order of the verdicts does not matter.
  EXPECT_EQ(LogBettingEvidence({}, 1), 0);
}

TEST(StrategyEvidence, BoundsLieWhereTheEvidenceReachesTheAlarm) {
  const std::vector<VerdictGroup> groups{{0.5, 620, 380}, {6.0 / 38, 40, 160}};
  const FactorBounds b = HitFactorBounds(groups);
  ASSERT_LT(b.low, b.high);
  // Found to a part in 10^4 of the largest factor (2), on the safe side.
  EXPECT_GE(LogBettingEvidence(groups, b.low), std::log(EvidenceAlarm));
  EXPECT_LT(LogBettingEvidence(groups, b.low + 1e-3), std::log(EvidenceAlarm));
  // 62 % of the halves and 20 % of the small areas: well above a blind guess.
  EXPECT_GT(b.low, 1);
  EXPECT_LT(b.high, 2);

  // No verdicts: nothing is known. No misses: nothing caps the factor below its largest.
  EXPECT_EQ(HitFactorBounds({}).high, 0);
  EXPECT_EQ(HitFactorBounds({{0.5, 10, 0}}).high, 2);
  EXPECT_EQ(HitFactorBounds({{0.5, 0, 10}}).low, 0);
}
