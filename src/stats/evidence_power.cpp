#include "stats/evidence_power.h"

#include <cmath>

#include "stats/chance_tests.h"

namespace {

// The count on one unit after `spins` spins from which its part of the mixture alone
// raises the alarm; -1 when even every spin on it would not. The part is log-convex in the
// count, smallest near the fair expectation, so above that the counts that raise the
// alarm run from the one found here to `spins`.
long alarmCount(BiasKind kind, int pockets, long spins) {
  const double need = std::log(EvidenceAlarm / UnitWeight(kind, pockets));
  if (spins < 1 || UnitLogFactor(kind, pockets, spins, spins) < need) return -1;
  long low = static_cast<long>(std::ceil(static_cast<double>(spins) * UnitSize(kind) / pockets));
  long high = spins;
  while (low < high) {
    const long mid = low + (high - low) / 2;
    if (UnitLogFactor(kind, pockets, mid, spins) >= need)
      high = mid;
    else
      low = mid + 1;
  }
  return low;
}

}  // namespace

double PlayerEdge(double multiple, int pockets) {
  return 36 * multiple / pockets - 1;
}

double DetectableMultiple(BiasKind kind, int pockets, long spins) {
  const long count = alarmCount(kind, pockets, spins);
  if (count < 1) return 0;
  return ChanceReaching(count, spins, WantedPower) * pockets / UnitSize(kind);
}

long SpinsNeeded(BiasKind kind, int pockets, double edge) {
  const double chance = (1 + edge) * UnitSize(kind) / 36;
  const auto power = [&](long spins) {
    const long count = alarmCount(kind, pockets, spins);
    return count < 1 ? 0.0 : BinomialUpperTail(count, spins, chance);
  };
  // Doubling, then halving the step: the power grows with the spins, apart from the
  // small steps of a count.
  long high = 64;
  while (power(high) < WantedPower && high < (1L << 40)) high *= 2;
  long low = high / 2;
  while (high - low > 1) {
    const long mid = low + (high - low) / 2;
    (power(mid) >= WantedPower ? high : low) = mid;
  }
  return high;
}
