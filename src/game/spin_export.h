#pragma once

class App;

// File → Export: writes the spins of the log to a CSV file the user picks.
void Export_Spins_Click(App& app, int);
