#pragma once

#include <array>

// What a player may believe of a bet's chance after the spins: its posterior under the
// Dirichlet prior of the evidence, at the strength the spins support best. The prior pulls
// every rate towards the fair one, the harder the fewer the spins, which also takes back
// most of the head start the luckiest of 38 pockets shows.
struct BetPosterior {
  // Posterior mean and 95 % credible interval of the chance.
  double rate = 0;
  double low = 0;
  double high = 0;
  // The probability that betting it has a positive expected value at its payout.
  double winning = 0;
};

// The strength among PriorStrengths with the largest posterior weight.
double FittedStrength(const std::array<long, 38>& counts, int pockets);

// A bet on `covered` numbers of a wheel of `pockets`, `hits` of `spins` on it. It pays 36
// for 1 spread over the numbers it covers, so it gains when its chance passes covered/36.
BetPosterior PosteriorOfBet(int covered, long hits, long spins, int pockets, double strength);
