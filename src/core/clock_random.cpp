#include "core/clock_random.h"

#include <chrono>

namespace {

std::uint64_t clockTicks() {
  return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

// splitmix64 step
std::uint64_t mix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

ClockRandom::ClockRandom() : state_(clockTicks()) {}

float ClockRandom::uniform() {
  state_ ^= clockTicks() * 0xD6E8FEB86659FD93ull;
  // 24 random bits fill a float's mantissa exactly, so the result is below 1.
  return static_cast<float>(mix(state_) >> 40) * (1.0f / 16777216.0f);
}
