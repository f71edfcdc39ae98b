#include "stats/sector_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "stats/chance_tests.h"
#include "stats/wheel_order.h"

// The calibrated p against fair wheels spun one spin at a time: 20000 wheels of 500
// spins, and how often their hottest sector reaches a count.
TEST(SectorScan, AgreesWithFairWheelsSpunOneByOne) {
  const SectorScan scan(38);
  std::mt19937_64 random(5);
  constexpr int Wheels = 20000;
  constexpr long Spins = 500;
  std::vector<long> hottest;
  for (int w = 0; w < Wheels; ++w) {
    std::vector<long> counts(38, 0);
    for (long t = 0; t < Spins; ++t) ++counts[random() % 38];
    const std::vector<long> sectors = SectorCounts(counts);
    hottest.push_back(*std::max_element(sectors.begin(), sectors.end()));
  }
  for (long count : {82L, 86L, 90L}) {
    const double seen = static_cast<double>(std::count_if(hottest.begin(), hottest.end(),
                                                          [&](long h) { return h >= count; })) /
                        Wheels;
    const double p = scan.p(count, Spins);
    EXPECT_NEAR(p, seen, 0.15 * seen + 0.003) << count;
    // Less than looking at each of the 38 sectors as if apart would claim.
    EXPECT_LT(p, 38 * BinomialUpperTail(count, Spins, 5.0 / 38)) << count;
  }
  EXPECT_EQ(scan.p(0, 0), 1);
}
