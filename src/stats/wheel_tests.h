#pragma once

class SectorScan;
class StatisticsForm;
struct WheelTally;

// The window's tests for a single look at the spins, each with its p: the chi-square of
// every pocket, the hottest sector, and the hot pocket and sector of the earlier spins
// tried again on the later ones. Also the hottest sector's chance after the spins.
struct SingleTests {
  // Tests that show a p, and whether any of them shows evidence.
  int shown = 0;
  bool evidence = false;
};
SingleTests ShowWheelTests(StatisticsForm& s, const WheelTally& tally, const SectorScan& scan,
                           double strength);
