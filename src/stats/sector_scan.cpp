#include "stats/sector_scan.h"

#include <algorithm>
#include <boost/math/special_functions/erf.hpp>
#include <cmath>
#include <cstdint>

#include "stats/chance_tests.h"
#include "stats/wheel_order.h"

namespace {

// Wheels drawn; each also gives its mirror image (every count on the other side of its
// expectation), a second fair wheel.
constexpr int Draws = 25000;
constexpr int Wheels = 2 * Draws;
constexpr std::uint64_t Seed = 20260127;

// Standard normal draws by Marsaglia's polar method: the same on every platform, unlike
// std::normal_distribution.
class Normals {
 public:
  double next() {
    if (spare_) {
      spare_ = false;
      return second_;
    }
    double u, v, r;
    do {
      u = uniform();
      v = uniform();
      r = u * u + v * v;
    } while (r >= 1 || r == 0);
    const double f = std::sqrt(-2 * std::log(r) / r);
    second_ = v * f;
    spare_ = true;
    return u * f;
  }

 private:
  // Uniform on [-1, 1) from 53 bits of SplitMix64, fast and well mixed.
  double uniform() {
    std::uint64_t z = state_ += 0x9E3779B97F4A7C15;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1p-52 - 1;
  }

  std::uint64_t state_ = Seed;
  double second_ = 0;
  bool spare_ = false;
};

}  // namespace

SectorScan::SectorScan(int pockets) : pockets_(pockets) {
  // In the normal limit the pocket counts, standardised, are z_i - mean(z) for independent
  // standard normal z_i; a sector sums five of them, with variance 5 (1 - 5 / pockets).
  const double spread = std::sqrt(SectorWidth * (1 - static_cast<double>(SectorWidth) / pockets));
  Normals normals;
  std::vector<double> z(static_cast<std::size_t>(pockets));
  maxima_.reserve(Wheels);
  for (int k = 0; k < Draws; ++k) {
    double mean = 0;
    for (double& x : z) mean += x = normals.next();
    mean /= pockets;
    double sum = 0;
    for (int d = 0; d < SectorWidth; ++d) sum += z[static_cast<std::size_t>(d)];
    double top = sum, bottom = sum;
    for (int w = 1; w < pockets; ++w) {
      sum += z[static_cast<std::size_t>((w + SectorWidth - 1) % pockets)] -
             z[static_cast<std::size_t>(w - 1)];
      top = std::max(top, sum);
      bottom = std::min(bottom, sum);
    }
    maxima_.push_back((top - SectorWidth * mean) / spread);
    maxima_.push_back((SectorWidth * mean - bottom) / spread);
  }
  std::sort(maxima_.begin(), maxima_.end());
}

double SectorScan::p(long count, long spins) const {
  const double tail = BinomialUpperTail(count, spins, static_cast<double>(SectorWidth) / pockets_);
  if (tail >= 1) return 1;
  if (!(tail > 0)) return 1.0 / (Wheels + 1);
  // The normal quantile with the same upper tail as the sector's count.
  const double z = std::sqrt(2.0) * boost::math::erfc_inv(2 * tail);
  const auto above = maxima_.end() - std::lower_bound(maxima_.begin(), maxima_.end(), z);
  return static_cast<double>(above + 1) / (Wheels + 1);
}
