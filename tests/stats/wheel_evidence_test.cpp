#include "stats/wheel_evidence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "stats/evidence_power.h"
#include "stats/outside_bets.h"
#include "stats/statistics_state.h"
#include "stats/strategy_evidence.h"
#include "stats/wheel_order.h"

namespace {

// The mixture the long way: each part as the product of its chance of every spin given
// the spins before it (a Polya urn), summed with its weight; no gamma function.
double referenceLogEvidence(const std::vector<int>& spins, int pockets) {
  struct Part {
    std::vector<bool> in;
    double weight;
  };
  std::vector<Part> parts;
  const auto addKind = [&](const std::vector<std::vector<int>>& units, double weight) {
    for (const auto& unit : units) {
      std::vector<bool> in(38, false);
      for (int i : unit) in[static_cast<std::size_t>(i)] = true;
      parts.push_back({in, weight / static_cast<double>(units.size())});
    }
  };
  std::vector<std::vector<int>> single, sectors, dozens, evens;
  const auto order = WheelOrder(pockets);
  for (int i = 0; i < pockets; ++i) {
    single.push_back({i});
    std::vector<int> sector;
    for (int d = -2; d <= 2; ++d)
      sector.push_back(order[static_cast<std::size_t>((i + d + pockets) % pockets)]);
    sectors.push_back(sector);
  }
  for (int bet = 1; bet <= OutsideBets; ++bet) {
    std::vector<int> unit;
    for (int i = 0; i < 36; ++i)
      if (OnOutsideBet(bet, i)) unit.push_back(i);
    (bet <= 6 ? dozens : evens).push_back(unit);
  }
  addKind(single, 0.3);
  addKind(sectors, 0.25);
  addKind(dozens, 0.075);
  addKind(evens, 0.075);

  double sum = 0;
  for (std::size_t g = 0; g < PriorStrengths.size(); ++g) {
    const double a = PriorStrengths[g];
    for (const Part& part : parts) {
      const double size = static_cast<double>(std::count(part.in.begin(), part.in.end(), true));
      const double q = size / pockets, b = a * (pockets - size) / size;
      double product = 1, hits = 0, n = 0;
      for (int i : spins) {
        const bool in = part.in[static_cast<std::size_t>(i)];
        product *= in ? (a + hits) / (a + b + n) / q : (b + n - hits) / (a + b + n) / (1 - q);
        hits += in;
        ++n;
      }
      sum += part.weight * StrengthWeights[g] * product;
    }
    std::vector<double> counts(38, 0);
    double product = 1, n = 0;
    for (int i : spins) {
      product *= (a + counts[static_cast<std::size_t>(i)]) / (pockets * a + n) * pockets;
      ++counts[static_cast<std::size_t>(i)];
      ++n;
    }
    sum += 0.3 * StrengthWeights[g] * product;
  }
  return std::log(sum);
}

}  // namespace

TEST(WheelEvidence, MatchesTheMixtureWorkedOutSpinBySpin) {
  for (int pockets : {38, 37}) {
    std::mt19937_64 random(static_cast<unsigned>(pockets));
    std::vector<int> spins;
    WheelEvidence added;
    WheelTally tally;
    tally.pockets = pockets;
    added.reset(tally);
    // Uneven on purpose, so that every kind of part moves: 17 and its neighbours come
    // out more often.
    for (int k = 0; k < 80; ++k) {
      const int i = k % 3 == 0 ? 16 : static_cast<int>(random() % static_cast<unsigned>(pockets));
      spins.push_back(i);
      added.add(i);
      ++tally.counts[static_cast<std::size_t>(i)];
    }
    WheelEvidence counted;
    counted.reset(tally);
    const double reference = referenceLogEvidence(spins, pockets);
    EXPECT_NEAR(counted.logValue(), reference, 1e-9) << pockets;
    EXPECT_NEAR(added.logValue(), reference, 1e-9) << pockets;
    EXPECT_GT(reference, std::log(EvidenceAlarm));
  }
}

// What makes the evidence valid: under a fair wheel its expected next value is its value
// now, however many spins came before and whatever they were.
TEST(WheelEvidence, IsAMartingaleUnderTheFairWheel) {
  WheelTally tally;
  for (int i = 0; i < 38; ++i) tally.counts[static_cast<std::size_t>(i)] = 20000 + 37 * (i % 5);
  tally.counts[16] += 900;
  WheelEvidence now;
  now.reset(tally);
  double expected = 0;
  for (int i = 0; i < 38; ++i) {
    WheelEvidence next = now;
    next.add(i);
    expected += std::exp(next.logValue() - now.logValue()) / 38;
  }
  EXPECT_NEAR(expected, 1, 1e-9);
}

// The state brings the evidence forward by one spin, and works it out anew on anything
// else (an undo, another wheel).
TEST(WheelEvidence, TheStateAddsOneSpinAndRecountsAnythingElse) {
  StatisticsState state;
  WheelTally t;
  t.counts[3] = 5;
  t.counts[16] = 9;
  const double before = state.evidence(t).logValue();
  t.counts[16] += 1;
  WheelEvidence fresh;
  fresh.reset(t);
  EXPECT_NEAR(state.evidence(t).logValue(), fresh.logValue(), 1e-12);
  t.counts[16] -= 1;
  EXPECT_NEAR(state.evidence(t).logValue(), before, 1e-12);
  t.pockets = 37;
  fresh.reset(t);
  EXPECT_NEAR(state.evidence(t).logValue(), fresh.logValue(), 1e-12);
}

// 1000 fair wheels of 2000 spins, and 1000 strategies that guess a coin 1000 times, all
// looked at after every spin or verdict: the evidence may reach its alarm in at most 5 % of
// them (Ville's inequality).
TEST(WheelEvidence, FairWheelsWatchedAfterEverySpinRarelyRaiseTheAlarm) {
  const double alarm = std::log(EvidenceAlarm);
  std::mt19937_64 random(2026);
  constexpr int Games = 1000;
  int wheels = 0, strategies = 0;
  for (int w = 0; w < Games; ++w) {
    WheelEvidence e;
    bool raised = false;
    for (int t = 1; t <= 2000; ++t) {
      e.add(static_cast<int>(random() % 38));
      raised = raised || e.logValue() >= alarm;
    }
    wheels += raised;
  }
  // A blind guess at one half, its bankroll against the strategy's own rate.
  for (int g = 0; g < Games; ++g) {
    VerdictGroup v{0.5, 0, 0};
    bool raised = false;
    for (int t = 1; t <= 1000; ++t) {
      ++(random() % 2 ? v.hits : v.misses);
      raised = raised || LogBettingEvidence({v}, 1) >= alarm;
    }
    strategies += raised;
  }
  EXPECT_LE(wheels, Games / 20);
  EXPECT_LE(strategies, Games / 20);
}

// The power the window states is a bound on the safe side: wheels with one pocket at the
// multiple it names for 1000 spins raise the alarm at least that often.
TEST(WheelEvidence, FindsAPocketAtTheMultipleItPromises) {
  const double multiple = DetectableMultiple(BiasKind::Pocket, 38, 1000);
  ASSERT_GT(multiple, 1.5);
  ASSERT_LT(multiple, 4);
  EXPECT_GT(DetectableMultiple(BiasKind::Pocket, 38, 10000), 1);
  EXPECT_LT(DetectableMultiple(BiasKind::Pocket, 38, 10000), multiple);
  EXPECT_EQ(DetectableMultiple(BiasKind::Pocket, 38, 3), 0);

  std::vector<double> chances(38, (1 - multiple / 38) / 37);
  chances[0] = multiple / 38;
  std::discrete_distribution<int> wheel(chances.begin(), chances.end());
  std::mt19937_64 random(7);
  constexpr int Wheels = 400;
  int found = 0;
  for (int w = 0; w < Wheels; ++w) {
    WheelEvidence e;
    for (int t = 0; t < 1000; ++t) e.add(wheel(random));
    found += e.logValue() >= std::log(EvidenceAlarm);
  }
  // 80 %, less three standard errors of the simulation.
  EXPECT_GE(found, Wheels * (WantedPower - 0.06));
}
