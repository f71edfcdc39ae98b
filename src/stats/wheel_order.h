#pragma once

#include <span>
#include <vector>

// The pockets in the order they sit around the wheel, as number indices (0..35 the
// numbers 1..36, 36 zero, 37 double zero), starting at zero. With the 00 pocket off the
// table is a single-zero wheel, whose 37 pockets sit in an order of their own.
std::span<const int> WheelOrder(int pocketCount);

// Pockets on each side of a sector's centre: a sector is five neighbouring pockets.
inline constexpr int SectorReach = 2;
inline constexpr int SectorWidth = 2 * SectorReach + 1;

// For each wheel position, the counts of the sector centred there; the wheel wraps round.
std::vector<long> SectorCounts(const std::vector<long>& countsInWheelOrder);
