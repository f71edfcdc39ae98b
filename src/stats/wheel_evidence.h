#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "stats/chance_tests.h"
#include "stats/wheel_tally.h"

// The evidence against a fair wheel that stays valid however often it is looked at: an
// e-value, the Bayes factor of a mixture of biased wheels against the fair one. Under a
// fair wheel it is a nonnegative martingale that starts at 1, so the chance that it ever
// reaches the alarm, however long the spins are watched, is at most 1 / EvidenceAlarm
// (Ville's inequality): 5 %.
//
// The biased wheels: a Dirichlet prior over every pocket's chance, and priors under which
// the chance of one unit alone is off (a pocket, a five-pocket sector of the wheel, a
// dozen or column, an even chance), the rest of the wheel sharing what is left in
// proportion. Each prior comes at four strengths; the stronger ones, which hold the
// chances close to the fair ones, weigh more, since real biases are small. Every part
// depends on the counts alone, so the order of the spins does not matter.

// Prior spins of belief in the fair chances (per pocket for the Dirichlet prior, on the
// unit for the others) and the weight of each strength.
inline constexpr std::array<double, 4> PriorStrengths = {5, 20, 80, 320};
inline constexpr std::array<double, 4> StrengthWeights = {0.1, 0.2, 0.3, 0.4};

// The units whose chance alone may be off.
enum class BiasKind { Pocket, Sector, DozenOrColumn, EvenChance };
int UnitSize(BiasKind kind);

// log of the mixture's part for one unit of this kind, `hits` of `spins` on it, over the
// strengths; the whole evidence is at least UnitWeight times its exponential.
double UnitLogFactor(BiasKind kind, int pockets, long hits, long spins);
double UnitWeight(BiasKind kind, int pockets);

// log of the Dirichlet prior's Bayes factor at one strength.
double DirichletLogFactor(const std::array<long, 38>& counts, int pockets, double strength);

class WheelEvidence {
 public:
  WheelEvidence();
  // Works the evidence out anew from the counts of the tally's pockets: O(pockets).
  void reset(const WheelTally& tally);
  // One more spin on the pocket with this number index, on the same wheel: each part of
  // the mixture is multiplied by its chance of that pocket against the fair one.
  void add(int index);

  double logValue() const;
  long spins() const { return spins_; }
  int pockets() const { return pockets_; }
  const std::array<long, 38>& counts() const { return counts_; }

 private:
  struct Unit {
    std::uint64_t members = 0;
    int kind = 0;
    long hits = 0;
  };
  void makeUnits();
  void rescale();

  int pockets_ = 0;
  long spins_ = 0;
  std::array<long, 38> counts_{};
  std::vector<Unit> units_;
  // Per part: the units at each strength, then the Dirichlet prior at each strength.
  std::vector<double> weights_;
  // Each part's Bayes factor divided by exp(scale_), so that none overflows.
  std::vector<double> values_;
  double scale_ = 0;
};
