#include "stats/wheel_order.h"

#include <array>

#include "core/number_index.h"

namespace {

// Number n (1..36) is index n - 1.
constexpr int Z = ZeroIndex;
constexpr int ZZ = DoubleZeroIndex;
constexpr int n(int number) {
  return number - 1;
}

constexpr std::array<int, 38> DoubleZeroWheel = {
    Z,     n(28), n(9),  n(26), n(30), n(11), n(7),  n(20), n(32), n(17), n(5),  n(22), n(34),
    n(15), n(3),  n(24), n(36), n(13), n(1),  ZZ,    n(27), n(10), n(25), n(29), n(12), n(8),
    n(19), n(31), n(18), n(6),  n(21), n(33), n(16), n(4),  n(23), n(35), n(14), n(2)};

constexpr std::array<int, 37> SingleZeroWheel = {
    Z,     n(32), n(15), n(19), n(4),  n(21), n(2),  n(25), n(17), n(34), n(6), n(27), n(13),
    n(36), n(11), n(30), n(8),  n(23), n(10), n(5),  n(24), n(16), n(33), n(1), n(20), n(14),
    n(31), n(9),  n(22), n(18), n(29), n(7),  n(28), n(12), n(35), n(3),  n(26)};

}  // namespace

std::span<const int> WheelOrder(int pocketCount) {
  if (pocketCount == 37) return SingleZeroWheel;
  return DoubleZeroWheel;
}

std::vector<long> SectorCounts(const std::vector<long>& counts) {
  const auto size = static_cast<long>(counts.size());
  std::vector<long> sectors(counts.size(), 0);
  for (long centre = 0; centre < size; ++centre)
    for (long d = -SectorReach; d <= SectorReach; ++d)
      sectors[static_cast<std::size_t>(centre)] +=
          counts[static_cast<std::size_t>(((centre + d) % size + size) % size)];
  return sectors;
}
