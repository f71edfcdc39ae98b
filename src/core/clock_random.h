#pragma once

#include <cstdint>

#include "core/services.h"

// The program's own generator. Each draw mixes the clock into a state that lives for the
// run: two draws within one clock tick still differ, so a redraw loop cannot stall.
class ClockRandom : public Random {
 public:
  ClockRandom();
  float uniform() override;

 private:
  std::uint64_t state_;
};
