#pragma once

class App;
class StatsForm;

// Does a strategy beat chance? Fills the statistics window's strategy table: Point and
// Black or Red from their windows' hit and miss counts, Area from the verdicts recorded
// as they happened, and all of them together.
void ShowStrategyStats(App& app, StatsForm& s);

// The Area window's all-areas hit and miss scores; 0 and 0 while it is not loaded.
struct AreaScores {
  double hit = 0;
  double out = 0;
};
AreaScores AllAreaScores(const App& app);
