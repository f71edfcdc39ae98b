#pragma once

class App;
class StatisticsForm;

// Does a strategy beat a blind guess, and the house? Fills the statistics window's
// strategy table: Point and Black or Red from their windows' hit and miss counts, Area
// from the verdicts recorded as they happened, and all of them together.
void ShowStrategyFigures(App& app, StatisticsForm& s);
