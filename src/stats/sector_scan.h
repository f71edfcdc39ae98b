#pragma once

#include <vector>

// The p of the hottest five-pocket sector, allowing for every sector having been looked
// at: the chance that a fair wheel's hottest sector lies at least as far in its tail.
// Each sector's count is first turned into its exact binomial tail; how the overlapping
// sectors vary together comes from fair wheels drawn once, in the normal limit of the
// pocket counts, with a fixed seed, so the same counts always give the same p.
class SectorScan {
 public:
  // Draws the fair wheels: some tens of milliseconds, once for each wheel size.
  explicit SectorScan(int pockets);
  int pockets() const { return pockets_; }
  // The hottest sector holds `count` of `spins`.
  double p(long count, long spins) const;

 private:
  int pockets_;
  // The largest standardised sector count of each drawn wheel, in ascending order.
  std::vector<double> maxima_;
};
