#include "stats/wheel_evidence.h"

#include <algorithm>
#include <cmath>

#include "stats/outside_bets.h"
#include "stats/wheel_order.h"

namespace {

constexpr int Strengths = static_cast<int>(PriorStrengths.size());
constexpr int Kinds = 4;

// The weight of each kind of bias, shared by its units, and of the Dirichlet prior.
constexpr std::array<double, Kinds> KindWeights = {0.3, 0.25, 0.075, 0.075};
constexpr double DirichletWeight = 0.3;

// The parts are kept within this factor of the largest; far below it a part can no longer
// matter and is dropped rather than carried on as a subnormal number.
constexpr double Headroom = 1e100;
constexpr double Negligible = 1e-250;

// A beta prior on a unit's chance, with mean its fair chance q and `a` prior hits.
struct Prior {
  double a = 0;
  double b = 0;
  double q = 0;
};

Prior priorOf(int size, int pockets, double strength) {
  return {strength, strength * (pockets - size) / size, static_cast<double>(size) / pockets};
}

double logFactor(const Prior& p, long hits, long spins) {
  const auto k = static_cast<double>(hits);
  const auto n = static_cast<double>(spins);
  return std::lgamma(p.a + k) - std::lgamma(p.a) + std::lgamma(p.b + n - k) - std::lgamma(p.b) -
         std::lgamma(p.a + p.b + n) + std::lgamma(p.a + p.b) - k * std::log(p.q) -
         (n - k) * std::log1p(-p.q);
}

double logSumExp(const std::array<double, Strengths>& logs) {
  const double top = *std::max_element(logs.begin(), logs.end());
  double sum = 0;
  for (double l : logs) sum += std::exp(l - top);
  return top + std::log(sum);
}

int unitCount(BiasKind kind, int pockets) {
  return kind == BiasKind::Pocket || kind == BiasKind::Sector ? pockets : OutsideBets / 2;
}

std::vector<std::uint64_t> membersOf(BiasKind kind, int pockets) {
  std::vector<std::uint64_t> units;
  switch (kind) {
    case BiasKind::Pocket:
      for (int i = 0; i < pockets; ++i) units.push_back(std::uint64_t{1} << i);
      break;
    case BiasKind::Sector: {
      const auto order = WheelOrder(pockets);
      for (int w = 0; w < pockets; ++w) {
        std::uint64_t m = 0;
        for (int d = -SectorReach; d <= SectorReach; ++d)
          m |= std::uint64_t{1} << order[static_cast<std::size_t>((w + d + pockets) % pockets)];
        units.push_back(m);
      }
      break;
    }
    case BiasKind::DozenOrColumn:
    case BiasKind::EvenChance:
      for (int bet = kind == BiasKind::DozenOrColumn ? 1 : 7, last = bet + 5; bet <= last; ++bet) {
        std::uint64_t m = 0;
        for (int i = 0; i < 36; ++i)
          if (OnOutsideBet(bet, i)) m |= std::uint64_t{1} << i;
        units.push_back(m);
      }
      break;
  }
  return units;
}

}  // namespace

int UnitSize(BiasKind kind) {
  static constexpr std::array<int, Kinds> sizes = {1, SectorWidth, 12, 18};
  return sizes[static_cast<std::size_t>(kind)];
}

double UnitWeight(BiasKind kind, int pockets) {
  return KindWeights[static_cast<std::size_t>(kind)] / unitCount(kind, pockets);
}

double UnitLogFactor(BiasKind kind, int pockets, long hits, long spins) {
  std::array<double, Strengths> logs{};
  for (int g = 0; g < Strengths; ++g) {
    const auto s = static_cast<std::size_t>(g);
    logs[s] = std::log(StrengthWeights[s]) +
              logFactor(priorOf(UnitSize(kind), pockets, PriorStrengths[s]), hits, spins);
  }
  return logSumExp(logs);
}

double DirichletLogFactor(const std::array<long, 38>& counts, int pockets, double strength) {
  double sum = 0;
  double n = 0;
  for (int i = 0; i < pockets; ++i) {
    const auto c = static_cast<double>(counts[static_cast<std::size_t>(i)]);
    sum += std::lgamma(strength + c) - std::lgamma(strength);
    n += c;
  }
  return sum + std::lgamma(pockets * strength) - std::lgamma(pockets * strength + n) +
         n * std::log(static_cast<double>(pockets));
}

WheelEvidence::WheelEvidence() {
  reset(WheelTally{});
}

void WheelEvidence::makeUnits() {
  units_.clear();
  weights_.clear();
  for (int kind = 0; kind < Kinds; ++kind) {
    const auto k = static_cast<BiasKind>(kind);
    for (std::uint64_t members : membersOf(k, pockets_)) {
      units_.push_back({members, kind, 0});
      for (double w : StrengthWeights) weights_.push_back(UnitWeight(k, pockets_) * w);
    }
  }
  for (double w : StrengthWeights) weights_.push_back(DirichletWeight * w);
}

void WheelEvidence::reset(const WheelTally& tally) {
  if (tally.pockets != pockets_ || units_.empty()) {
    pockets_ = tally.pockets;
    makeUnits();
  }
  counts_ = {};
  std::copy_n(tally.counts.begin(), pockets_, counts_.begin());
  spins_ = 0;
  for (long c : counts_) spins_ += c;

  std::vector<double> logs;
  for (Unit& u : units_) {
    u.hits = 0;
    for (int i = 0; i < pockets_; ++i)
      if (u.members >> i & 1) u.hits += counts_[static_cast<std::size_t>(i)];
    for (double strength : PriorStrengths)
      logs.push_back(logFactor(priorOf(UnitSize(static_cast<BiasKind>(u.kind)), pockets_, strength),
                               u.hits, spins_));
  }
  for (double strength : PriorStrengths)
    logs.push_back(DirichletLogFactor(counts_, pockets_, strength));
  scale_ = *std::max_element(logs.begin(), logs.end());
  values_.resize(logs.size());
  for (std::size_t c = 0; c < logs.size(); ++c) {
    const double v = std::exp(logs[c] - scale_);
    values_[c] = v < Negligible ? 0 : v;
  }
}

void WheelEvidence::add(int index) {
  const auto n = static_cast<double>(spins_);
  // Per kind and strength: the chance of a spin in or outside a unit, before the unit's own
  // count is put in, against the fair chance.
  std::array<std::array<double, Strengths>, Kinds> inside{}, outside{};
  std::array<std::array<Prior, Strengths>, Kinds> priors{};
  for (int kind = 0; kind < Kinds; ++kind)
    for (int g = 0; g < Strengths; ++g) {
      const auto k = static_cast<std::size_t>(kind);
      const auto s = static_cast<std::size_t>(g);
      const Prior p = priorOf(UnitSize(static_cast<BiasKind>(kind)), pockets_, PriorStrengths[s]);
      priors[k][s] = p;
      inside[k][s] = 1 / ((p.a + p.b + n) * p.q);
      outside[k][s] = 1 / ((p.a + p.b + n) * (1 - p.q));
    }
  double* v = values_.data();
  for (Unit& u : units_) {
    const auto k = static_cast<std::size_t>(u.kind);
    const auto hits = static_cast<double>(u.hits);
    if (u.members >> index & 1) {
      for (std::size_t s = 0; s < Strengths; ++s) v[s] *= (priors[k][s].a + hits) * inside[k][s];
      ++u.hits;
    } else {
      for (std::size_t s = 0; s < Strengths; ++s)
        v[s] *= (priors[k][s].b + n - hits) * outside[k][s];
    }
    v += Strengths;
  }
  const auto count = static_cast<double>(counts_[static_cast<std::size_t>(index)]);
  for (std::size_t s = 0; s < Strengths; ++s) {
    const double alpha = PriorStrengths[s];
    v[s] *= (alpha + count) * pockets_ / (pockets_ * alpha + n);
  }
  ++counts_[static_cast<std::size_t>(index)];
  ++spins_;
  rescale();
}

void WheelEvidence::rescale() {
  const double top = *std::max_element(values_.begin(), values_.end());
  if (top < Headroom && top > 1 / Headroom) return;
  for (double& v : values_) {
    v /= top;
    if (v < Negligible) v = 0;
  }
  scale_ += std::log(top);
}

double WheelEvidence::logValue() const {
  double sum = 0;
  for (std::size_t c = 0; c < values_.size(); ++c) sum += weights_[c] * values_[c];
  return scale_ + std::log(sum);
}
