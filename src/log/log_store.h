#pragma once

#include <vector>

class App;

// The spin log keeps the first 5000 spins since the last reset: SpinLog(k) holds the
// number index + 1 of spin k, 0 where no spin is recorded.

// Spin entry, after the spin count was raised to `count`: logs the spin and says whether it
// did (ShowLogEntry then redraws its row). Spins beyond the 5000th are not logged.
bool AppendLogEntry(App& app, long count, int index);

// The spins of the log, oldest first, as number indices.
std::vector<int> LoggedSpins(const App& app);

// Undo, with the spin count before it is lowered: forgets that spin.
void RemoveLogEntry(App& app, long count);
