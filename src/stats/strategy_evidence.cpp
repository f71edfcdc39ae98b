#include "stats/strategy_evidence.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "stats/chance_tests.h"

namespace {

// The shares of the bankroll staked, equally weighted.
constexpr std::array<double, 5> Shares = {1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 2};
// The bounds are found to a part in 10^4 of the largest factor: finer than the window shows.
constexpr double Precision = 1e-4;

// The log of the bankroll of bets on one side of every verdict. `odds(g)` is the payout for 1
// staked on that side of group g; `wins` and `losses` count its verdicts on and off that side.
template <class Odds, class Wins, class Losses>
double bankroll(const std::vector<VerdictGroup>& groups, Odds odds, Wins wins, Losses losses) {
  std::array<double, Shares.size()> logs{};
  for (std::size_t s = 0; s < Shares.size(); ++s) {
    const double share = Shares[s];
    for (const VerdictGroup& g : groups)
      logs[s] += static_cast<double>(wins(g)) * std::log(1 - share + share * odds(g)) +
                 static_cast<double>(losses(g)) * std::log1p(-share);
  }
  const double top = *std::max_element(logs.begin(), logs.end());
  double sum = 0;
  for (double l : logs) sum += std::exp(l - top);
  return top + std::log(sum / Shares.size());
}

double hitsBankroll(const std::vector<VerdictGroup>& groups, double factor) {
  return bankroll(
      groups, [&](const VerdictGroup& g) { return 1 / (factor * g.chance); },
      [](const VerdictGroup& g) { return g.hits; }, [](const VerdictGroup& g) { return g.misses; });
}

double missesBankroll(const std::vector<VerdictGroup>& groups, double factor) {
  return bankroll(
      groups, [&](const VerdictGroup& g) { return 1 / (1 - factor * g.chance); },
      [](const VerdictGroup& g) { return g.misses; }, [](const VerdictGroup& g) { return g.hits; });
}

}  // namespace

double LogBettingEvidence(const std::vector<VerdictGroup>& groups, double factor) {
  return hitsBankroll(groups, factor);
}

FactorBounds HitFactorBounds(const std::vector<VerdictGroup>& groups) {
  double largest = 0;
  for (const VerdictGroup& g : groups) largest = std::max(largest, g.chance);
  if (largest <= 0) return {};
  const double top = 1 / largest;
  // The hits' bankroll falls as the factor grows, the misses' rises.
  const double alarm = std::log(EvidenceAlarm);
  FactorBounds b{0, top};
  if (hitsBankroll(groups, top) >= alarm) {
    b.low = top;
  } else {
    double low = 0, high = top;
    while (high - low > Precision * top) {
      const double mid = (low + high) / 2;
      (hitsBankroll(groups, mid) >= alarm ? low : high) = mid;
    }
    b.low = low;
  }
  double low = 0, high = top;
  while (high - low > Precision * top) {
    const double mid = (low + high) / 2;
    (missesBankroll(groups, mid) >= alarm ? high : low) = mid;
  }
  b.high = std::max(b.low, high);
  return b;
}
