#pragma once

#include <vector>

// Evidence that a strategy's predictions hit more often than some rate, valid however
// often it is looked at. It is the bankroll, started at 1, of a player who stakes a fixed
// share of it on every prediction at the odds that would be fair if each prediction hit
// with `factor` times the chance a blind guess of its size has, averaged over several
// shares. While no prediction hits that often, the bankroll is a nonnegative
// supermartingale, so it reaches 20 with a chance of at most 5 %. Factor 1 asks whether
// the strategy beats a blind guess; the house's payouts make a factor of their own, the
// break-even one. The bankroll depends on the verdicts only through how many of each
// chance hit and missed.
struct VerdictGroup {
  // A blind guess's chance of a hit.
  double chance = 0;
  long hits = 0;
  long misses = 0;
};

// Its logarithm.
double LogBettingEvidence(const std::vector<VerdictGroup>& groups, double factor);

// The factors not ruled out by evidence of 20 either way: below `low` the hits, above
// `high` the misses would have raised it. Each side holds with 95 %, however often it is
// looked at, so the factor lies between them with at least 90 %. `high` is at most the
// largest factor any chance allows.
struct FactorBounds {
  double low = 0;
  double high = 0;
};
FactorBounds HitFactorBounds(const std::vector<VerdictGroup>& groups);
