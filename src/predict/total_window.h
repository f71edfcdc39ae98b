#pragma once

class App;

// The Total window: overall tallies of all strategies.
void Total_F_Load(App& app);

// Recomputes the Total window's win rate and status from its tallies, as after every
// verdict and after a slot load.
void ShowTotalStatus(App& app);
