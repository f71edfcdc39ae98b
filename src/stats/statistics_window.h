#pragma once

class App;

// The statistics window, opened from the main window's menu item Stats.
void Stats_Click(App& app, int);
void Sort_Rate_Click(App& app, int);
// The spins judged: this game, or every spin of the current wheel. The two boxes act as
// one choice; a click on the chosen one keeps it.
void Source_Game_Click(App& app, int);
void Source_Wheel_Click(App& app, int);

// Brings the statistics window up to date with the game; while it is not shown this
// costs nothing. Every change of the game (a spin, an undo, a clear, a slot load, the 00
// switch) calls it.
void ShowStatistics(App& app);
