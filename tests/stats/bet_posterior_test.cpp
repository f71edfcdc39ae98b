#include "stats/bet_posterior.h"

#include <gtest/gtest.h>

#include <boost/math/special_functions/beta.hpp>

// The quantiles come from an expansion; the exact beta distribution, from Boost's
// incomplete beta function, must agree to within a few parts in a thousand.
TEST(BetPosterior, MatchesTheExactBetaDistribution) {
  struct Case {
    int covered;
    long hits, spins;
    int pockets;
    double strength;
  };
  for (const Case& c :
       {Case{1, 0, 0, 38, 5}, Case{1, 3, 50, 38, 5}, Case{1, 50, 50, 38, 5},
        Case{1, 40, 1000, 38, 20}, Case{5, 60, 300, 38, 80}, Case{12, 400, 1000, 37, 320},
        Case{18, 26000, 55000, 38, 5}, Case{1, 26300, 1000000, 38, 320}}) {
    const double a = c.covered * c.strength + static_cast<double>(c.hits);
    const double b = (c.pockets - c.covered) * c.strength + static_cast<double>(c.spins - c.hits);
    const BetPosterior p = PosteriorOfBet(c.covered, c.hits, c.spins, c.pockets, c.strength);
    EXPECT_NEAR(p.rate, a / (a + b), 1e-12);
    const double low = boost::math::ibeta_inv(a, b, 0.025);
    const double high = boost::math::ibeta_inv(a, b, 0.975);
    EXPECT_NEAR(p.low, low, 5e-3 * low) << a << " " << b;
    EXPECT_NEAR(p.high, high, 5e-3 * high) << a << " " << b;
    EXPECT_NEAR(p.winning, boost::math::ibetac(a, b, c.covered / 36.0), 1e-9);
  }
}

TEST(BetPosterior, AFairWheelIsShrunkHardestAndABiasedOneLeast) {
  std::array<long, 38> counts{};
  counts.fill(100);
  EXPECT_EQ(FittedStrength(counts, 38), 5120);
  counts[16] = 400;
  EXPECT_LE(FittedStrength(counts, 38), 20);
  // Before any spin nothing tells the strengths apart: the strongest, nearest fair, wins.
  EXPECT_EQ(FittedStrength({}, 37), 5120);
}
