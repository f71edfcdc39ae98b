#pragma once

#include <array>

class App;

// The spins the statistics judge, from whichever source keeps them: how often each pocket
// came out, and how often it came out in the earlier part of the spins, which the holdout
// test sets apart. Nothing in it depends on the number of spins.
struct WheelTally {
  // By number index.
  std::array<long, 38> counts{};
  // The counts of the first spins, in the order they came out: those that name a hot
  // pocket or sector, which the later spins then test.
  std::array<long, 38> earlier{};
  // The pockets of the wheel the spins are judged on: 37 or 38.
  int pockets = 38;
  // Spins on 00 recorded while the 00 pocket is off. They stay in the statistics, which
  // then judge a wheel of 38 pockets.
  long strayDoubleZero = 0;

  long spins() const;
  long earlierSpins() const;
};

// This game: the main window's hit counts, and the spin log for their order. The earlier
// part is the first half of the spins, or the first 5000 (all the log keeps) when there
// are more than twice as many.
WheelTally GameTally(App& app);
