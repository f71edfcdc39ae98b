#include "stats/wheel_tally.h"

#include <algorithm>
#include <numeric>

#include "core/number_index.h"
#include "core/numeric.h"
#include "log/log_store.h"
#include "windows/app.h"

long WheelTally::spins() const {
  return std::accumulate(counts.begin(), counts.end(), 0L);
}

long WheelTally::earlierSpins() const {
  return std::accumulate(earlier.begin(), earlier.end(), 0L);
}

WheelTally GameTally(App& app) {
  WheelTally t;
  const MainForm& m = Main_F(app);
  for (int i = 0; i < 38; ++i)
    t.counts[static_cast<std::size_t>(i)] = std::max(0L, CInt(Val(m.Hit_Count(i).text())));
  if (app.vars.PocketCount == 37) {
    t.strayDoubleZero = t.counts[DoubleZeroIndex];
    t.pockets = t.strayDoubleZero > 0 ? 38 : 37;
  }
  const std::vector<int> logged = LoggedSpins(app);
  const auto half = static_cast<std::size_t>(t.spins() / 2);
  for (std::size_t k = 0; k < std::min(half, logged.size()); ++k)
    ++t.earlier[static_cast<std::size_t>(logged[k])];
  return t;
}
