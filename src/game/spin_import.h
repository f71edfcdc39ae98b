#pragma once

class App;

// File → Import: records the spins of a file the user picks, oldest first, as if each had
// been clicked, after the whole file has been checked.
void Import_Spins_Click(App& app, int);
