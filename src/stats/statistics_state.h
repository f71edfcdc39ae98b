#pragma once

#include <map>
#include <utility>

#include "stats/evidence_power.h"
#include "stats/sector_scan.h"
#include "stats/wheel_evidence.h"

class App;

// What the statistics keep between updates so that one more spin costs little, however
// many came before: the evidence, brought forward spin by spin, and the figures that depend
// on the wheel alone, worked out once.
class StatisticsState {
 public:
  // The evidence for the tally: one more spin on the same wheel is added to it, any other
  // change works it out anew.
  const WheelEvidence& evidence(const WheelTally& tally);
  const SectorScan& scan(int pockets);
  // The spins needed to find a bias of this kind worth +1.5 % to a player.
  long spinsNeeded(BiasKind kind, int pockets);

  // Every spin of the current wheel, from the wheel book (bound at start).
  WheelTally (*wheelTally)(App&) = nullptr;
  // Set while the two source boxes are being set to one choice.
  bool choosingSource = false;

 private:
  WheelEvidence evidence_;
  std::map<int, SectorScan> scans_;
  std::map<std::pair<BiasKind, int>, long> spinsNeeded_;
};

StatisticsState& StatisticsStateOf(App& app);
