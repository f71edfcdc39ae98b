#pragma once

#include <array>

// What a player may believe of a bet's chance after the spins: its posterior under a
// Dirichlet prior centred on the fair wheel, as strong as the spins allow (empirical
// Bayes, leaning to the fair side). The prior pulls every rate towards the fair one, which
// also takes back most of the head start the luckiest of 38 pockets shows; only counts
// that spread clearly wider than chance spreads them let the rates stray.
struct BetPosterior {
  // Posterior mean and 95 % credible interval of the chance.
  double rate = 0;
  double low = 0;
  double high = 0;
  // The probability that betting it has a positive expected value at its payout.
  double winning = 0;
};

// The prior spins per pocket, from 5 to 5120: the strongest under which the counts are at
// least a third as likely as under the one that fits them best. A weaker prior must be
// favoured 3 to 1 before it is taken, so that neither the spins before the first nor a
// wheel that merely looks uneven make a bet look like a winner.
double FittedStrength(const std::array<long, 38>& counts, int pockets);

// A bet on `covered` numbers of a wheel of `pockets`, `hits` of `spins` on it. It pays 36
// for 1 spread over the numbers it covers, so it gains when its chance passes covered/36.
BetPosterior PosteriorOfBet(int covered, long hits, long spins, int pockets, double strength);
