#pragma once

class App;
class StatisticsForm;

// Is the wheel biased? Fills the statistics window's bias test, pocket table, wheel,
// hottest sector and outside bets from the main window's hit counts.
void ShowWheelFigures(App& app, StatisticsForm& s);
