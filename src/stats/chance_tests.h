#pragma once

#include <vector>

// Tests of recorded results against pure chance: is a wheel fair, does a strategy hit
// more often than a blind guess. Exact distributions come from Boost.Math; nothing here
// knows a window.

// Pearson's chi-square of counts against equal chances for every pocket.
struct FitTest {
  double statistic = 0;
  int degrees = 0;
  // The chance that a fair wheel gives a statistic at least this large.
  double p = 1;
};

// Needs at least two pockets and at least one count; with no spins there is no test.
FitTest EqualChanceFit(const std::vector<long>& counts);

// P(X >= statistic) for X chi-square with the given degrees of freedom.
double ChiSquareUpperTail(double statistic, int degrees);

// P(X >= hits) for X binomial with the given trials and chance.
double BinomialUpperTail(long hits, long trials, double chance);

// The chance per trial at which `hits` or more of `trials` come with the given probability.
double ChanceReaching(long hits, long trials, double probability);

// How strong the evidence against chance is: p below StrongBelow strong, below WeakBelow
// weak.
inline constexpr double StrongBelow = 0.01;
inline constexpr double WeakBelow = 0.05;
enum class Evidence { None, Weak, Strong };
Evidence EvidenceOf(double p);

// The alarm of an e-value, evidence that stays valid however often it is looked at: a
// fair game ever brings it to 20 with a chance of at most 1/20.
inline constexpr double EvidenceAlarm = 20;
