#include "stats/statistics_state.h"

#include "windows/app.h"

namespace {

// The edge a player would need to find for betting to pay.
constexpr double WorthwhileEdge = 0.015;

}  // namespace

const WheelEvidence& StatisticsState::evidence(const WheelTally& tally) {
  int added = -1;
  bool same = tally.pockets == evidence_.pockets();
  for (int i = 0; same && i < 38; ++i) {
    const long d =
        tally.counts[static_cast<std::size_t>(i)] - evidence_.counts()[static_cast<std::size_t>(i)];
    if (d == 0) continue;
    same = d == 1 && added < 0;
    added = i;
  }
  if (!same)
    evidence_.reset(tally);
  else if (added >= 0)
    evidence_.add(added);
  return evidence_;
}

const SectorScan& StatisticsState::scan(int pockets) {
  return scans_.try_emplace(pockets, pockets).first->second;
}

long StatisticsState::spinsNeeded(BiasKind kind, int pockets) {
  const auto key = std::make_pair(kind, pockets);
  const auto found = spinsNeeded_.find(key);
  if (found != spinsNeeded_.end()) return found->second;
  return spinsNeeded_[key] = SpinsNeeded(kind, pockets, WorthwhileEdge);
}

StatisticsState& StatisticsStateOf(App& app) {
  return app.statistics.get();
}
