#include "stats/chance_tests.h"

#include <algorithm>
#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>

namespace {

namespace bm = boost::math;

// No exceptions from Boost: every input is checked here first, and a figure at the edge
// of what a double holds comes back as its limit rather than as an error. Double
// precision is plenty for figures shown to four digits, and much faster.
using Quiet = bm::policies::policy<bm::policies::domain_error<bm::policies::ignore_error>,
                                   bm::policies::pole_error<bm::policies::ignore_error>,
                                   bm::policies::overflow_error<bm::policies::ignore_error>,
                                   bm::policies::evaluation_error<bm::policies::ignore_error>,
                                   bm::policies::rounding_error<bm::policies::ignore_error>,
                                   bm::policies::promote_double<false>>;
using ChiSquared = bm::chi_squared_distribution<double, Quiet>;
using Binomial = bm::binomial_distribution<double, Quiet>;

double clampedP(double p) {
  if (std::isnan(p)) return 1;
  return std::clamp(p, 0.0, 1.0);
}

}  // namespace

double ChiSquareUpperTail(double statistic, int degrees) {
  if (degrees < 1 || !(statistic > 0)) return 1;
  return clampedP(bm::cdf(bm::complement(ChiSquared(degrees), statistic)));
}

FitTest EqualChanceFit(const std::vector<long>& counts) {
  FitTest t;
  double spins = 0;
  for (long c : counts) spins += static_cast<double>(c);
  if (counts.size() < 2 || spins <= 0) return t;
  const double expected = spins / static_cast<double>(counts.size());
  for (long c : counts) {
    const double d = static_cast<double>(c) - expected;
    t.statistic += d * d / expected;
  }
  t.degrees = static_cast<int>(counts.size()) - 1;
  t.p = ChiSquareUpperTail(t.statistic, t.degrees);
  return t;
}

double BinomialUpperTail(long hits, long trials, double chance) {
  if (hits <= 0) return 1;
  if (hits > trials) return 0;
  const double p = std::clamp(chance, 0.0, 1.0);
  // P(X >= hits) = P(X > hits - 1).
  return clampedP(bm::cdf(
      bm::complement(Binomial(static_cast<double>(trials), p), static_cast<double>(hits - 1))));
}

double ChanceReaching(long hits, long trials, double probability) {
  if (hits <= 0) return 0;
  if (hits > trials) return 1;
  // P(X >= hits) = probability where P(X <= hits - 1) = 1 - probability.
  return clampedP(Binomial::find_upper_bound_on_p(static_cast<double>(trials),
                                                  static_cast<double>(hits - 1), 1 - probability));
}

Evidence EvidenceOf(double p) {
  if (p < StrongBelow) return Evidence::Strong;
  if (p < WeakBelow) return Evidence::Weak;
  return Evidence::None;
}
