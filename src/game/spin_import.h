#pragma once

class App;

// File → Import: records the spins of a file the user picks, oldest first, as if each had
// been clicked, after the whole file has been checked. A game that has spins asks first:
// add them to this game (Yes), start a new game with them (No), or do nothing (Cancel).
void Import_Spins_Click(App& app, int);
